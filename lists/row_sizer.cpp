#include "row_sizer.h"

#include <algorithm>

#include "brenmor/list_header.h"
#include "brenmor/units.h"

namespace brenmor::lists {
namespace {

// After the results' columns, how the row ended and why.
constexpr std::array<std::string_view, 2> kStatusColumns = {"status", "message"};
// The optional column whose cells choose each row's heads.
constexpr std::string_view kHeadColumn = "head";

std::string Letter(Field field) { return std::string(Info(field).letter); }

// The parts of a message, one after the other.
std::string Join(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (const std::string_view part : parts) joined += part;
  return joined;
}

bool IsHeadColumn(std::string_view name) {
  return name.size() == kHeadColumn.size() &&
         std::equal(name.begin(), name.end(), kHeadColumn.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

}  // namespace

RowSizer::RowSizer(const RecordBatch& batch, const Record& header, const RowOptions& options)
    : options_(options), columnCount_(header.cellCount) {
  if (header.fault != RecordFault::None) {
    problem_ = Describe(header);
    return;
  }
  for (std::size_t i = 0; i < columnCount_ && problem_.empty(); ++i) {
    ReadColumn(batch.Cell(header, i), i);
  }
  if (problem_.empty()) CheckValues();
  if (!problem_.empty()) return;
  const bool byWords =
      std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c && c->byWords; });
  if (byWords && options.noteColumns) options.noteColumns(ColumnsTaken());
}

// Reads "P", "v", "P [bar]", "C[mm]" or "Design pressure (barg)"; any other
// name is a carried column.
void RowSizer::ReadColumn(std::string_view cell, std::size_t index) {
  if (IsHeadColumn(TrimBlanks(cell))) {
    if (headColumn_) {
      problem_ = "two columns are head";
      return;
    }
    headColumn_ = index;
    return;
  }
  const HeaderCell header = ReadHeaderCell(cell);
  if (!header.field) return;
  std::optional<ListUnit> unit = ListUnit{};
  if (!header.unit.empty()) unit = ListUnitNamed(*header.field, header.unit);
  if (!unit) {
    problem_ = Join({"column \"", cell, "\": ", UnitProblem(*header.field, header.unit)});
    return;
  }
  auto& column = columns_[static_cast<std::size_t>(*header.field)];
  if (column) {
    problem_ = Join(
        {"columns \"", column->name, "\" and \"", cell, "\" are both ", Letter(*header.field)});
    return;
  }
  column = Column{index, *unit, std::string(cell), std::string(header.unit), header.byWords};
}

// One line: each field and the column it was taken from, in its unit.
std::string RowSizer::ColumnsTaken() const {
  std::string taken = "columns taken:";
  for (const Field field : kFields) {
    const auto& column = columns_[static_cast<std::size_t>(field)];
    taken += (field == Field::P ? " " : "; ") + Letter(field) + " from ";
    if (!column) {
      taken += Letter(field) + "=";
      continue;
    }
    taken += Join({"\"", column->name, "\""});
    const std::string_view unit =
        !column->given.empty() ? std::string_view(column->given) : BaseUnit(field);
    if (!unit.empty()) taken += Join({" in ", unit});
  }
  return taken;
}

// Every value comes from the list or from the command line, never both.
void RowSizer::CheckValues() {
  for (const Field field : kFields) {
    const auto f = static_cast<std::size_t>(field);
    const std::string name = Letter(field);
    if (columns_[f] && options_.given[f]) {
      problem_ = Join({name, " is both a column of the list and given as ", name, "="});
      return;
    }
    if (!columns_[f] && !options_.given[f]) {
      problem_ = Join({"the list has no column ", name, ", and no ", name, "= is given"});
      return;
    }
  }
}

template <class Out>
void RowSizer::WriteHeader(const RecordBatch& batch, const Record& header, Out& out) const {
  for (std::size_t i = 0; i < columnCount_; ++i) out.Cell(batch.Cell(header, i));
  for (const Result result : kResults) out.Cell(Info(result).name);
  for (const std::string_view name : kStatusColumns) out.Cell(name);
  for (const WallResult result : kWallResults) out.Cell(Info(result).name);
  out.Cell(kWallMessageName);
  out.EndRow();
}

template <class Out>
Status RowSizer::SizeRow(const RecordBatch& batch, const Record& record, Out& out) const {
  if (record.fault != RecordFault::None) {
    return Write(batch, record, out, Status::Error, Describe(record));
  }
  if (record.cellCount != columnCount_) {
    return Write(
        batch, record, out, Status::Error,
        Join({"line ", std::to_string(record.line), " has ", std::to_string(record.cellCount),
              " fields, the header has ", std::to_string(columnCount_)}));
  }
  Quantities given;
  WallOptions wall = options_.wall;
  if (const auto problem = ReadValues(batch, record, given, wall)) {
    return Write(batch, record, out, Status::Error, *problem);
  }
  const Evaluation evaluation = Evaluate(given, wall);
  return Write(batch, record, out, evaluation.status, evaluation.message, &evaluation);
}

// The row's values and heads; what is wrong with a cell when one cannot be read.
std::optional<std::string> RowSizer::ReadValues(const RecordBatch& batch, const Record& record,
                                                Quantities& given, WallOptions& wall) const {
  for (const Field field : kFields) {
    const auto f = static_cast<std::size_t>(field);
    if (!columns_[f]) {
      given[f] = *options_.given[f];
      continue;
    }
    const std::string_view text = batch.Cell(record, columns_[f]->index);
    const QuantityRead read = ReadQuantity(field, text, columns_[f]->unit, options_.mark);
    if (read.error != ReadError::None) return Message(read.error, field, text, options_.mark);
    given[f] = read.quantity;
  }
  if (!headColumn_) return std::nullopt;
  const std::string_view head = TrimBlanks(batch.Cell(record, *headColumn_));
  if (head.empty()) return std::nullopt;
  const std::optional<HeadKind> kind = HeadKindNamed(head);
  if (!kind) return Join({"head \"", head, "\": ", HeadKindProblem(head)});
  wall.head = *kind;
  return std::nullopt;
}

// A row that is too short or too long, or cut short by a fault, still
// fills the header's columns.
template <class Out>
Status RowSizer::Write(const RecordBatch& batch, const Record& record, Out& out, Status status,
                       std::string_view message, const Evaluation* evaluation) const {
  for (std::size_t i = 0; i < columnCount_; ++i) {
    out.Cell(i < record.cellCount ? batch.Cell(record, i) : std::string_view());
  }
  const Evaluation none;
  const Evaluation& e = evaluation != nullptr ? *evaluation : none;
  const auto number = [&](const std::string& text) {
    if (options_.mark == DecimalMark::Point) {
      out.Cell(text);
    } else {
      out.Cell(WithDecimalMark(text, options_.mark));
    }
  };
  for (const Result result : kResults) number(e.Text(result));
  out.Cell(StatusName(status));
  out.Cell(message);
  for (const std::string& text : e.wallTexts.shown) number(text);
  out.Cell(e.wallTexts.message);
  out.EndRow();
  return status;
}

template void RowSizer::WriteHeader(const RecordBatch&, const Record&, CsvWriter&) const;
template void RowSizer::WriteHeader(const RecordBatch&, const Record&, CellList&) const;
template Status RowSizer::SizeRow(const RecordBatch&, const Record&, CsvWriter&) const;
template Status RowSizer::SizeRow(const RecordBatch&, const Record&, CellList&) const;
template Status RowSizer::SizeRow(const RecordBatch&, const Record&, WriterPair&) const;

}  // namespace brenmor::lists

#include "row_sizer.h"

#include <algorithm>

#include "brenmor/design/list_header.h"
#include "brenmor/design/units.h"

namespace brenmor::lists {
namespace {

// The optional columns whose cells choose each row's heads and orientation.
constexpr std::string_view kHeadColumn = "head";
constexpr std::string_view kOrientationColumn = "orientation";

std::string Letter(Field field) { return std::string(Info(field).letter); }

ListProblem Faulty(const Record& record) {
  ListProblem problem;
  problem.kind = ListProblemKind::Record;
  problem.line = record.faultLine;
  problem.fault = record.fault;
  return problem;
}

ListProblem CellCount(const Record& record, std::size_t columns) {
  ListProblem problem;
  problem.kind = ListProblemKind::CellCount;
  problem.line = record.line;
  problem.cells = record.cellCount;
  problem.headerCells = columns;
  return problem;
}

// A row's option from its cell: nothing when the cell is blank, the
// problem when it names no option of that kind.
template <class Option>
ListProblem ReadOption(std::string_view cell, std::optional<Option> (*named)(std::string_view),
                       ProblemKind otherwise, Option& option) {
  ListProblem problem;
  const std::string_view text = TrimBlanks(cell);
  if (text.empty()) return problem;
  if (const std::optional<Option> read = named(text)) {
    option = *read;
    return problem;
  }
  problem.kind = ListProblemKind::Option;
  problem.value = {otherwise, std::nullopt, std::string(text)};
  return problem;
}

}  // namespace

RowSizer::RowSizer(const RecordBatch& batch, const Record& header, const RowOptions& options)
    : options_(options), columnCount_(header.cellCount) {
  if (header.fault != RecordFault::None) {
    problem_ = Faulty(header);
    return;
  }
  for (std::size_t i = 0; i < columnCount_ && !problem_; ++i) {
    ReadColumn(batch.Cell(header, i), i);
  }
  if (!problem_) CheckValues();
  if (problem_) return;
  const bool byWords =
      std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c && c->byWords; });
  if (byWords && options.noteColumns) options.noteColumns(ColumnsTaken());
}

// Reads "P", "v", "P [bar]", "C[mm]" or "Design pressure (barg)"; any other
// name is a carried column.
void RowSizer::ReadColumn(std::string_view cell, std::size_t index) {
  for (const auto& [name, column] :
       {std::pair{kHeadColumn, &headColumn_}, std::pair{kOrientationColumn, &orientationColumn_}}) {
    if (!EqualIgnoringCase(TrimBlanks(cell), name)) continue;
    if (*column) {
      problem_.kind = ListProblemKind::TwoOptionColumns;
      problem_.names[0] = name;
    }
    *column = index;
    return;
  }
  const HeaderCell header = ReadHeaderCell(cell);
  if (!header.field) return;
  std::optional<ListUnit> unit = ListUnit{};
  if (!header.unit.empty()) unit = ListUnitNamed(*header.field, header.unit);
  if (!unit) {
    problem_.kind = ListProblemKind::ColumnUnit;
    problem_.names[0] = cell;
    problem_.value = {IsAbsolutePressure(*header.field, header.unit)
                          ? ProblemKind::NamedAbsolutePressure
                          : ProblemKind::NamedUnitNotTaken,
                      *header.field, std::string(header.unit)};
    return;
  }
  auto& column = columns_[static_cast<std::size_t>(*header.field)];
  if (column) {
    problem_.kind = ListProblemKind::TwoColumns;
    problem_.field = *header.field;
    problem_.names = {column->name, std::string(cell)};
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
    ((taken += "\"") += column->name) += "\"";
    const std::string_view unit =
        !column->given.empty() ? std::string_view(column->given) : BaseUnit(field);
    if (!unit.empty()) (taken += " in ") += unit;
  }
  return taken;
}

// Every value comes from the list or is given for every row, never both.
void RowSizer::CheckValues() {
  for (const Field field : kFields) {
    const auto f = static_cast<std::size_t>(field);
    if (columns_[f].has_value() == options_.given[f].has_value()) {
      problem_.kind = columns_[f] ? ListProblemKind::ColumnAndValue : ListProblemKind::NoColumn;
      problem_.field = field;
      return;
    }
  }
}

template <class Out>
void RowSizer::WriteHeader(const RecordBatch& batch, const Record& header, Out& out) const {
  for (std::size_t i = 0; i < columnCount_; ++i) out.Cell(batch.Cell(header, i));
  for (const ResultColumn& column : ResultColumns()) out.Cell(Name(column));
  out.EndRow();
}

template <class Out>
RowEnd RowSizer::SizeRow(const RecordBatch& batch, const Record& record, Out& out) const {
  ListProblem problem;
  if (record.fault != RecordFault::None) {
    problem = Faulty(record);
  } else if (record.cellCount != columnCount_) {
    problem = CellCount(record, columnCount_);
  }
  Quantities given;
  DesignOptions design = options_.design;
  if (!problem) problem = ReadValues(batch, record, given, design);
  if (problem) {
    WriteError(batch, record, out, problem);
    return {Status::Error, problem.value.kind};
  }
  const Calculation c = Calculate(given, design);
  WriteCells(batch, record, out);
  const auto number = [&](const std::string& text) {
    if (options_.mark == DecimalMark::Point) {
      out.Cell(text);
    } else {
      out.Cell(WithDecimalMark(text, options_.mark));
    }
  };
  for (const ResultColumn& column : ResultColumns()) {
    switch (column.kind) {
      case ColumnKind::Figure:
        number(c.Text(column.figure));
        break;
      case ColumnKind::Status:
        out.Cell(StatusName(c.GetStatus()));
        break;
      case ColumnKind::Message:
        out.Cell(c.MessageOf(column.group));
        break;
    }
  }
  out.EndRow();
  return {c.GetStatus()};
}

// The row's values and heads; what is wrong with a cell when one cannot be read.
ListProblem RowSizer::ReadValues(const RecordBatch& batch, const Record& record, Quantities& given,
                                 DesignOptions& design) const {
  ListProblem problem;
  for (const Field field : kFields) {
    const auto f = static_cast<std::size_t>(field);
    if (!columns_[f]) {
      given[f] = *options_.given[f];
      continue;
    }
    const std::string_view text = batch.Cell(record, columns_[f]->index);
    QuantityRead read = ReadQuantity(field, text, columns_[f]->unit, options_.mark);
    if (read.problem) {
      problem.kind = ListProblemKind::Value;
      problem.value = std::move(read.problem);
      return problem;
    }
    given[f] = read.quantity;
  }
  if (headColumn_) {
    problem = ReadOption(batch.Cell(record, *headColumn_), HeadKindNamed, ProblemKind::NoSuchHead,
                         design.head);
    if (problem) return problem;
  }
  if (orientationColumn_) {
    problem = ReadOption(batch.Cell(record, *orientationColumn_), OrientationNamed,
                         ProblemKind::NoSuchOrientation, design.orientation);
  }
  return problem;
}

// A row that is too short or too long, or cut short by a fault, still
// fills the header's columns.
template <class Out>
void RowSizer::WriteCells(const RecordBatch& batch, const Record& record, Out& out) const {
  for (std::size_t i = 0; i < columnCount_; ++i) {
    out.Cell(i < record.cellCount ? batch.Cell(record, i) : std::string_view());
  }
}

template <class Out>
void RowSizer::WriteError(const RecordBatch& batch, const Record& record, Out& out,
                          const ListProblem& problem) const {
  WriteCells(batch, record, out);
  for (const ResultColumn& column : ResultColumns()) {
    if (column.kind == ColumnKind::Status) {
      out.Cell(StatusName(Status::Error));
    } else if (column.kind == ColumnKind::Message && column.group == Group::Size) {
      out.Cell(Message(problem));
    } else {
      out.Cell({});
    }
  }
  out.EndRow();
}

template void RowSizer::WriteHeader(const RecordBatch&, const Record&, CsvWriter&) const;
template void RowSizer::WriteHeader(const RecordBatch&, const Record&, CellList&) const;
template RowEnd RowSizer::SizeRow(const RecordBatch&, const Record&, CsvWriter&) const;
template RowEnd RowSizer::SizeRow(const RecordBatch&, const Record&, CellList&) const;
template RowEnd RowSizer::SizeRow(const RecordBatch&, const Record&, WriterPair&) const;
template void RowSizer::WriteHeader(const RecordBatch&, const Record&, CellSink&) const;
template RowEnd RowSizer::SizeRow(const RecordBatch&, const Record&, CellSink&) const;

}  // namespace brenmor::lists

#include "column_sink.h"

#include <fast_float/fast_float.h>
#include <pybind11/numpy.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace brenmor::python {
namespace {

using namespace pybind11::literals;

// A cell read wholly as a number with the list's mark; NaN when empty,
// nothing when it is no number.
std::optional<double> NumberIn(std::string_view cell, DecimalMark mark) {
  if (cell.empty()) return NAN;
  double value = 0;
  const fast_float::parse_options options{fast_float::chars_format::general,
                                          mark == DecimalMark::Comma ? ',' : '.'};
  const auto read =
      fast_float::from_chars_advanced(cell.data(), cell.data() + cell.size(), value, options);
  if (read.ec != std::errc() || read.ptr != cell.data() + cell.size()) return std::nullopt;
  return value;
}

// A str of the text, which is UTF-8 unless a list was not: its bytes that
// are not are replaced. ASCII, the usual tag or message, is copied as it is.
py::object Str(std::string_view text) {
  const auto size = static_cast<Py_ssize_t>(text.size());
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  auto str = py::reinterpret_steal<py::object>(
      ascii ? PyUnicode_New(size, 0x7F) : PyUnicode_DecodeUTF8(text.data(), size, "replace"));
  if (!str) throw py::error_already_set();
  if (ascii) std::copy(text.begin(), text.end(), static_cast<char*>(PyUnicode_DATA(str.ptr())));
  return str;
}

}  // namespace

void ColumnSink::TextColumn::Add(std::string_view cell) {
  constexpr std::size_t kMostMisses = 4096;
  if (misses < kMostMisses) {
    if (const auto found = sharedCode.find(cell); found != sharedCode.end()) {
      codes.push_back(found->second);
      return;
    }
  }
  if (shared.size() < kShared) {
    const auto code = static_cast<std::uint32_t>(shared.size());
    sharedCode.emplace(shared.emplace_back(cell), code);
    codes.push_back(code);
  } else {
    ++misses;
    own.append(cell);
    codes.push_back(kShared + static_cast<std::uint32_t>(ownEnds.size()));
    ownEnds.push_back(own.size());
  }
}

std::string_view ColumnSink::TextColumn::At(std::size_t row) const {
  const std::uint32_t code = codes[row];
  if (code < kShared) return shared[code];
  const std::size_t i = code - kShared;
  const std::size_t start = i == 0 ? 0 : ownEnds[i - 1];
  return std::string_view(own).substr(start, ownEnds[i] - start);
}

ColumnSink::ColumnSink(std::vector<Kind> kinds, DecimalMark mark, std::size_t rows,
                       const InputCells* input, std::size_t inputColumns)
    : kinds_(std::move(kinds)),
      capacity_(std::max<std::size_t>(rows, 1024)),
      input_(input),
      inputColumns_(input == nullptr ? 0 : inputColumns),
      mark_(mark) {
  for (std::size_t c = 0; c < kinds_.size(); ++c) {
    const bool number = kinds_[c] == Kind::Number;
    slot_.push_back(number ? numberColumns_++ : texts_.size());
    if (!number) texts_.emplace_back().codes.reserve(c < inputColumns_ ? 0 : capacity_);
  }
  numbers_.resize(numberColumns_ * capacity_);
  if (input_ != nullptr) inputRows_.reserve(capacity_);
}

void ColumnSink::StartRow(std::uint64_t line, bool whole) {
  if (input_ != nullptr) inputRows_.push_back(whole ? input_->RowAt(line) : kCut);
}

void ColumnSink::Cell(std::string_view cell) {
  const std::size_t column = next_++;
  if (column < inputColumns_) {
    // Taken from the frame when the rows are handed over, unless cut short.
    if (inputRows_.back() == kCut) cut_.push_back({rows_, column, std::string(cell)});
  } else if (kinds_[column] == Kind::Number) {
    // A number column holds what the engine or the frame wrote: a number.
    numbers_[slot_[column] * capacity_ + rows_] = NumberIn(cell, mark_).value_or(NAN);
  } else {
    texts_[slot_[column]].Add(cell);
  }
}

void ColumnSink::EndRow() {
  next_ = 0;
  if (++rows_ == capacity_) Grow();
}

// A list read from a file comes with no count of its rows.
void ColumnSink::Grow() {
  const std::size_t capacity = 2 * capacity_;
  std::vector<double> numbers(numberColumns_ * capacity);
  for (std::size_t c = 0; c < numberColumns_; ++c) {
    std::copy_n(numbers_.begin() + static_cast<std::ptrdiff_t>(c * capacity_), rows_,
                numbers.begin() + static_cast<std::ptrdiff_t>(c * capacity));
  }
  numbers_ = std::move(numbers);
  capacity_ = capacity;
}

// `columns` rows of `stride` numbers, of which the first rows_ are cells:
// NumPy owns the vector, and the DataFrame the array.
py::object ColumnSink::NumberBlock(std::vector<double> values, std::size_t columns,
                                   std::size_t stride) const {
  auto* owned = new std::vector<double>(std::move(values));
  const py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<double>*>(p); });
  const auto bytes = static_cast<py::ssize_t>(sizeof(double));
  return py::array_t<double>({static_cast<py::ssize_t>(columns), static_cast<py::ssize_t>(rows_)},
                             {static_cast<py::ssize_t>(stride) * bytes, bytes}, owned->data(),
                             owner);
}

// An input column's cell: the frame's own, or as read of a row cut short.
py::object ColumnSink::InputStr(std::size_t column, std::size_t row) const {
  if (inputRows_[row] != kCut) return input_->Str(column, inputRows_[row]);
  for (const CutCell& cut : cut_) {
    if (cut.row == row && cut.column == column) return Str(cut.text);
  }
  return Str({});
}

void ColumnSink::TakeInputNumbers(std::size_t column) {
  double* const cells = numbers_.data() + slot_[column] * capacity_;
  for (std::size_t row = 0; row < rows_; ++row) {
    cells[row] = inputRows_[row] != kCut ? input_->Number(column, inputRows_[row]) : NAN;
  }
  for (const CutCell& cut : cut_) {
    if (cut.column == column) cells[cut.row] = NumberIn(cut.text, mark_).value_or(NAN);
  }
}

// One str for each of a column's shared texts, however many cells hold it.
py::object ColumnSink::TextBlock(const std::vector<std::size_t>& columns) const {
  py::array block(py::dtype("object"),
                  std::vector<py::ssize_t>{static_cast<py::ssize_t>(columns.size()),
                                           static_cast<py::ssize_t>(rows_)});
  auto** slots = static_cast<PyObject**>(block.mutable_data());
  for (const std::size_t c : columns) {
    const TextColumn& column = texts_[slot_[c]];
    std::vector<py::object> shared;
    for (const std::string& text : column.shared) shared.push_back(Str(text));
    for (std::size_t row = 0; row < rows_; ++row) {
      py::object str;
      if (c < inputColumns_) {
        str = InputStr(c, row);
      } else {
        const std::uint32_t code = column.codes[row];
        str = code < TextColumn::kShared ? shared[code] : Str(column.At(row));
      }
      Py_XDECREF(*slots);
      *slots++ = str.release().ptr();
    }
  }
  return block;
}

py::object ColumnSink::Frame(const std::vector<std::string>& names) {
  const py::object internals = py::module_::import("pandas.core.internals");
  const py::object makeBlock = py::module_::import("pandas.core.internals.api").attr("make_block");
  py::list blocks;
  py::list numberPlaces;
  py::list textPlaces;
  std::vector<std::size_t> textColumns;
  for (std::size_t c = 0; c < kinds_.size(); ++c) {
    if (kinds_[c] == Kind::Number) {
      if (c < inputColumns_) TakeInputNumbers(c);
      numberPlaces.append(c);
      continue;
    }
    const TextColumn& column = texts_[slot_[c]];
    std::vector<double> numbers;
    if (kinds_[c] == Kind::Inferred) {
      numbers.reserve(rows_);
      for (std::size_t row = 0; row < rows_; ++row) {
        const std::optional<double> number = NumberIn(column.At(row), mark_);
        if (!number) break;
        numbers.push_back(*number);
      }
    }
    if (kinds_[c] == Kind::Inferred && numbers.size() == rows_) {
      blocks.append(
          makeBlock(NumberBlock(std::move(numbers), 1, rows_), "placement"_a = py::make_tuple(c)));
    } else {
      textPlaces.append(c);
      textColumns.push_back(c);
    }
  }
  // The DataFrame's own blocks, as pandas would consolidate them, made in
  // place: pandas.DataFrame(dict) would copy every column once more.
  if (numberColumns_ > 0) {
    blocks.append(makeBlock(NumberBlock(std::move(numbers_), numberColumns_, capacity_),
                            "placement"_a = numberPlaces));
  }
  if (!textColumns.empty()) {
    blocks.append(makeBlock(TextBlock(textColumns), "placement"_a = textPlaces));
  }
  const py::object pandas = py::module_::import("pandas");
  py::list labels;
  for (const std::string& name : names) labels.append(name);
  py::list axes;
  axes.append(pandas.attr("Index")(labels, "dtype"_a = "object"));
  axes.append(pandas.attr("RangeIndex")(rows_));
  const py::object manager = internals.attr("BlockManager")(blocks, axes);
  return pandas.attr("DataFrame")(manager);
}

}  // namespace brenmor::python

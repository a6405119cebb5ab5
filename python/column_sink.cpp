#include "column_sink.h"

#include <fast_float/fast_float.h>
#include <pybind11/numpy.h>

#include <cmath>
#include <unordered_map>

namespace brenmor::python {
namespace {

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

}  // namespace

ColumnSink::ColumnSink(const std::vector<Kind>& kinds, DecimalMark mark, std::size_t rowsExpected)
    : mark_(mark) {
  for (const Kind kind : kinds) {
    Column& column = columns_.emplace_back(Column{kind, {}, {}, {}});
    if (kind == Kind::Number) {
      column.numbers.reserve(rowsExpected);
    } else {
      column.ends.reserve(rowsExpected);
    }
  }
}

void ColumnSink::Cell(std::string_view cell) {
  Column& column = columns_[next_++];
  if (column.kind == Kind::Number) {
    // A number column holds what the engine or the frame wrote: a number.
    column.numbers.push_back(NumberIn(cell, mark_).value_or(NAN));
  } else {
    column.text.append(cell);
    column.ends.push_back(column.text.size());
  }
}

void ColumnSink::EndRow() {
  next_ = 0;
  ++rows_;
}

// Cells alike share one str: a status or message column holds few texts
// many times, and a million equal strs would cost a million objects.
py::object ColumnSink::TextArray(const Column& column) const {
  py::array cells(py::dtype("object"), std::vector<py::ssize_t>{static_cast<py::ssize_t>(rows_)});
  auto** slots = static_cast<PyObject**>(cells.mutable_data());
  std::unordered_map<std::string_view, py::object> made;
  constexpr std::size_t kMostShared = 64;
  std::size_t start = 0;
  for (std::size_t row = 0; row < rows_; ++row) {
    const std::string_view text =
        std::string_view(column.text).substr(start, column.ends[row] - start);
    start = column.ends[row];
    py::object str;
    if (const auto found = made.find(text); found != made.end()) {
      str = found->second;
    } else {
      str = py::reinterpret_steal<py::object>(
          PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace"));
      if (!str) throw py::error_already_set();
      if (made.size() < kMostShared) made.emplace(text, str);
    }
    Py_XDECREF(slots[row]);
    slots[row] = str.release().ptr();
  }
  return cells;
}

// A float64 column is handed over without a copy: NumPy owns the vector.
py::object ColumnSink::Handed(Column& column) {
  if (column.kind == Kind::Inferred) {
    std::vector<double> numbers;
    numbers.reserve(rows_);
    std::size_t start = 0;
    for (std::size_t row = 0; row < rows_; ++row) {
      const std::string_view text =
          std::string_view(column.text).substr(start, column.ends[row] - start);
      start = column.ends[row];
      const std::optional<double> number = NumberIn(text, mark_);
      if (!number) return TextArray(column);
      numbers.push_back(*number);
    }
    column.numbers = std::move(numbers);
  } else if (column.kind == Kind::Text) {
    return TextArray(column);
  }
  auto* owned = new std::vector<double>(std::move(column.numbers));
  const py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<double>*>(p); });
  return py::array_t<double>(static_cast<py::ssize_t>(owned->size()), owned->data(), owner);
}

py::object ColumnSink::Frame(const std::vector<std::string>& names) {
  py::dict byPosition;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    byPosition[py::int_(c)] = Handed(columns_[c]);
    columns_[c] = Column{columns_[c].kind, {}, {}, {}};
  }
  py::object frame = py::module_::import("pandas").attr("DataFrame")(byPosition);
  py::list labels;
  for (const std::string& name : names) labels.append(name);
  py::setattr(frame, "columns", labels);
  return frame;
}

}  // namespace brenmor::python

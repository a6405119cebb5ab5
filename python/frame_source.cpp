#include "frame_source.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "arguments.h"

namespace brenmor::python {
namespace {

using namespace pybind11::literals;

}  // namespace

FrameSource::FrameSource(const py::object& frame, char delimiter, DecimalMark mark)
    : mark_(mark), out_(delimiter, "\n") {
  const py::object types = py::module_::import("pandas.api.types");
  rows_ = py::len(frame.attr("index"));
  for (const py::handle label : frame.attr("columns")) {
    names_.push_back(py::str(label).cast<std::string>());
  }
  const py::object columns = frame.attr("items")();
  for (const py::handle item : columns) {
    const py::object column = item.cast<py::tuple>()[1];
    const bool numeric = types.attr("is_numeric_dtype")(column).cast<bool>() &&
                         !types.attr("is_bool_dtype")(column).cast<bool>();
    numeric_.push_back(numeric);
    if (numeric) {
      slot_.push_back(numbers_.size());
      numbers_.push_back(column.attr("to_numpy")("dtype"_a = "float64", "na_value"_a = NAN)
                             .cast<py::array_t<double>>());
    } else {
      slot_.push_back(texts_.size());
      TakeTexts(column, names_[slot_.size() - 1]);
    }
  }
}

// A column's cells as text: a str as Python holds it in UTF-8, a number as
// Python writes it, a missing cell (None, NaN, pandas' NA) empty.
void FrameSource::TakeTexts(const py::object& column, const std::string& name) {
  const auto missing = column.attr("isna")().attr("to_numpy")().cast<py::array_t<bool>>();
  const auto cells = column.attr("to_numpy")("dtype"_a = "object").cast<py::array>();
  held_.push_back(cells);
  auto* const* objects = static_cast<PyObject* const*>(cells.data());
  std::vector<std::string_view>& texts = texts_.emplace_back();
  texts.reserve(rows_);
  for (std::size_t row = 0; row < rows_; ++row) {
    const py::handle cell(objects[row]);
    if (PyUnicode_Check(cell.ptr())) {
      Py_ssize_t size = 0;
      const char* utf8 = PyUnicode_AsUTF8AndSize(cell.ptr(), &size);
      if (utf8 == nullptr) throw py::error_already_set();
      texts.emplace_back(utf8, static_cast<std::size_t>(size));
    } else if (missing.data()[row]) {
      texts.emplace_back();
    } else if (std::optional<std::string> number = NumberText(cell)) {
      texts.emplace_back(written_.emplace_back(std::move(*number)));
    } else {
      throw py::type_error("column " + name + ", row " + std::to_string(row) +
                           ": a cell must be text, a number or missing, not " +
                           py::str(py::type::of(cell).attr("__name__")).cast<std::string>());
    }
  }
}

void FrameSource::WriteRow(std::size_t row) {
  const std::size_t rowStart = out_.Text().size();
  fmt::memory_buffer number;
  for (std::size_t c = 0; c < numeric_.size(); ++c) {
    if (!numeric_[c]) {
      out_.Cell(texts_[slot_[c]][row]);
      continue;
    }
    const double x = numbers_[slot_[c]].data()[row];
    if (std::isnan(x)) {
      out_.Cell({});
      continue;
    }
    number.clear();
    fmt::format_to(std::back_inserter(number), "{}", x);
    if (mark_ == DecimalMark::Comma) std::replace(number.begin(), number.end(), '.', ',');
    out_.Cell({number.data(), number.size()});
  }
  out_.EndRow();
  rowLines_.push_back(nextLine_);
  // A quoted cell's line ends count: the reader gives a record's first line.
  const std::string_view row_text = out_.Text().substr(rowStart);
  nextLine_ += static_cast<std::uint64_t>(std::count(row_text.begin(), row_text.end(), '\n'));
}

std::size_t FrameSource::RowAt(std::uint64_t line) const {
  const auto from = rowLines_.begin() + static_cast<std::ptrdiff_t>(lastRowAt_);
  lastRowAt_ =
      static_cast<std::size_t>(std::lower_bound(from, rowLines_.end(), line) - rowLines_.begin());
  return lastRowAt_;
}

double FrameSource::Number(std::size_t column, std::size_t row) const {
  return numbers_[slot_[column]].data()[row];
}

py::object FrameSource::Str(std::size_t column, std::size_t row) const {
  PyObject* cell = static_cast<PyObject* const*>(held_[slot_[column]].data())[row];
  if (PyUnicode_Check(cell)) return py::reinterpret_borrow<py::object>(cell);
  const std::string_view text = texts_[slot_[column]][row];
  return py::reinterpret_steal<py::object>(
      PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size())));
}

lists::BytesRead FrameSource::Fill(char* into, std::size_t size) {
  std::size_t count = 0;
  while (count < size) {
    if (sent_ == out_.Text().size()) {
      out_.Clear();
      sent_ = 0;
      if (!headerWritten_) {
        for (const std::string& name : names_) out_.Cell(name);
        out_.EndRow();
        headerWritten_ = true;
      } else if (nextRow_ < rows_) {
        // Rows enough to fill a read in one go, few enough to stay small.
        for (const std::size_t end = std::min(rows_, nextRow_ + 256); nextRow_ < end;) {
          WriteRow(nextRow_++);
        }
      } else {
        break;
      }
    }
    const std::string_view text = out_.Text().substr(sent_);
    const std::size_t n = std::min(size - count, text.size());
    std::memcpy(into + count, text.data(), n);
    count += n;
    sent_ += n;
  }
  return {count, 0};
}

lists::ByteSource FrameSource::Bytes() {
  return [this](char* into, std::size_t size) { return Fill(into, size); };
}

}  // namespace brenmor::python

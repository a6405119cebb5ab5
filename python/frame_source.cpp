#include "frame_source.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "arguments.h"

namespace brenmor::python {
namespace {

using namespace pybind11::literals;

// A column's cells as text: strings as they are, numbers as Python writes
// them, missing cells (None, NaN, pandas' NA) empty.
std::vector<std::string> TextCells(const py::object& column, const std::string& name) {
  const auto missing = column.attr("isna")().attr("to_numpy")().cast<py::array_t<bool>>();
  const py::list cells = column.attr("tolist")();
  std::vector<std::string> texts;
  texts.reserve(cells.size());
  for (std::size_t row = 0; row < cells.size(); ++row) {
    const py::handle cell = cells[row];
    if (py::isinstance<py::str>(cell)) {
      texts.push_back(cell.cast<std::string>());
    } else if (missing.data()[row]) {
      texts.emplace_back();
    } else if (std::optional<std::string> number = NumberText(cell)) {
      texts.push_back(std::move(*number));
    } else {
      throw py::type_error("column " + name + ", row " + std::to_string(row) +
                           ": a cell must be text, a number or missing, not " +
                           py::str(py::type::of(cell).attr("__name__")).cast<std::string>());
    }
  }
  return texts;
}

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
      texts_.push_back(TextCells(column, names_[slot_.size() - 1]));
    }
  }
}

void FrameSource::WriteRow(std::size_t row) {
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

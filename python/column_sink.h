// A sized list's cells gathered into columns, as a writer of rows that
// lists::RowSizer writes to, and handed to pandas whole: a number column
// as float64, each cell read as a number (NaN where it is empty), a text
// column as str. Gathering needs no Python; handing over does.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>
#include <vector>

#include "brenmor/numbers/number_text.h"
#include "row_sizer.h"

namespace brenmor::python {

namespace py = pybind11;

class ColumnSink final : public lists::CellSink {
 public:
  // How a column's cells are kept and handed over.
  enum class Kind {
    Number,    // float64
    Text,      // str
    Inferred,  // float64 when every cell is a number or empty, else str
  };

  ColumnSink(const std::vector<Kind>& kinds, DecimalMark mark, std::size_t rowsExpected);

  void Cell(std::string_view cell) override;
  void EndRow() override;

  // A DataFrame of the columns under these names.
  py::object Frame(const std::vector<std::string>& names);

 private:
  struct Column {
    Kind kind;
    std::vector<double> numbers;    // of a Number column
    std::string text;               // of a Text or Inferred column, back to back
    std::vector<std::size_t> ends;  // where each cell of `text` ends
  };

  py::object Handed(Column& column);
  py::object TextArray(const Column& column) const;

  std::vector<Column> columns_;
  std::size_t next_ = 0;  // the column of the next cell
  std::size_t rows_ = 0;
  DecimalMark mark_;
};

}  // namespace brenmor::python

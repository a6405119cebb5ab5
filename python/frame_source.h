// A pandas DataFrame as the CSV list brenmor-size would read from its
// export: the column names as the header, each row's cells, numbers written
// shortest and exact as Python writes them, empty where they are missing.
// The cells are found in Python once, up front, a str's text where Python
// keeps it; the bytes are then made batch by batch without Python, so that
// sizing runs with the GIL released.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "brenmor/numbers/number_text.h"
#include "column_sink.h"
#include "csv_reader.h"
#include "csv_writer.h"

namespace brenmor::python {

namespace py = pybind11;

class FrameSource final : public InputCells {
 public:
  // A TypeError for a cell that is neither text, a number nor missing.
  FrameSource(const py::object& frame, char delimiter, DecimalMark mark);

  // Whether each column holds numbers (else text), in the frame's order.
  const std::vector<bool>& NumberColumns() const { return numeric_; }
  std::size_t Rows() const { return rows_; }

  // The bytes, as lists::ByteSource gives them; the source must outlive it.
  lists::ByteSource Bytes();

  // The frame's cells, for the rows the list written so far holds.
  std::size_t RowAt(std::uint64_t line) const override;
  double Number(std::size_t column, std::size_t row) const override;
  py::object Str(std::size_t column, std::size_t row) const override;

 private:
  void TakeTexts(const py::object& column, const std::string& name);
  void WriteRow(std::size_t row);
  lists::BytesRead Fill(char* into, std::size_t size);

  std::vector<std::string> names_;
  std::vector<bool> numeric_;
  std::vector<py::array_t<double>> numbers_;          // a numeric column's values
  std::vector<py::array> held_;                       // a text column's objects
  std::vector<std::vector<std::string_view>> texts_;  // a text column's cells
  std::deque<std::string> written_;                   // numbers of a text column, written
  std::vector<std::size_t> slot_;                     // each column's in numbers_ or texts_
  std::size_t rows_ = 0;
  DecimalMark mark_;
  lists::CsvWriter out_;
  std::size_t sent_ = 0;  // of out_'s text
  std::size_t nextRow_ = 0;
  std::uint64_t nextLine_ = 2;           // where the next row written begins
  std::vector<std::uint64_t> rowLines_;  // where each row written begins
  mutable std::size_t lastRowAt_ = 0;    // RowAt's answers rise, row by row
  bool headerWritten_ = false;
};

}  // namespace brenmor::python

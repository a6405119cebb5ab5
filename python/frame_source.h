// A pandas DataFrame as the CSV list brenmor-size would read from its
// export: the column names as the header, each row's cells, numbers written
// shortest and exact as Python writes them, empty where they are missing.
// The cells are taken from Python once, up front; the bytes are then made
// batch by batch without Python, so that sizing runs with the GIL released.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "brenmor/numbers/number_text.h"
#include "csv_reader.h"
#include "csv_writer.h"

namespace brenmor::python {

namespace py = pybind11;

class FrameSource {
 public:
  // A TypeError for a cell that is neither text, a number nor missing.
  FrameSource(const py::object& frame, char delimiter, DecimalMark mark);

  // Whether each column holds numbers (else text), in the frame's order.
  const std::vector<bool>& NumberColumns() const { return numeric_; }
  std::size_t Rows() const { return rows_; }

  // The bytes, as lists::ByteSource gives them; the source must outlive it.
  lists::ByteSource Bytes();

 private:
  void WriteRow(std::size_t row);
  lists::BytesRead Fill(char* into, std::size_t size);

  std::vector<std::string> names_;
  std::vector<bool> numeric_;
  std::vector<py::array_t<double>> numbers_;     // a numeric column's values
  std::vector<std::vector<std::string>> texts_;  // a text column's cells
  std::vector<std::size_t> slot_;                // each column's in numbers_ or texts_
  std::size_t rows_ = 0;
  DecimalMark mark_;
  lists::CsvWriter out_;
  std::size_t sent_ = 0;  // of out_'s text
  std::size_t nextRow_ = 0;
  bool headerWritten_ = false;
};

}  // namespace brenmor::python

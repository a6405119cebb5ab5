// A sized list's cells gathered into columns, as a writer of rows that
// lists::RowSizer writes to, and handed to pandas whole: the number columns
// as one float64 block, each cell read as a number (NaN where it is empty),
// the text columns as one block of str. The cells are gathered without
// Python, straight into the memory the DataFrame then owns, so that a
// million rows are neither copied nor held twice.
#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "brenmor/numbers/number_text.h"
#include "row_sizer.h"

namespace brenmor::python {

namespace py = pybind11;

// A DataFrame's own cells, which a list made from it takes rather than
// reading back the text it was written as: the same numbers, and the same
// str objects, shared rather than made a million times again.
class InputCells {
 public:
  virtual ~InputCells() = default;
  // The frame's row whose record begins on `line` of the list as written.
  virtual std::size_t RowAt(std::uint64_t line) const = 0;
  virtual double Number(std::size_t column, std::size_t row) const = 0;
  virtual py::object Str(std::size_t column, std::size_t row) const = 0;
};

class ColumnSink final : public lists::CellSink {
 public:
  // How a column's cells are kept and handed over.
  enum class Kind {
    Number,    // float64
    Text,      // str
    Inferred,  // float64 when every cell is a number or empty, else str
  };

  // `rows` is how many rows to make room for; more may come. The first
  // columns are `input`'s, when it is given.
  ColumnSink(std::vector<Kind> kinds, DecimalMark mark, std::size_t rows, const InputCells* input,
             std::size_t inputColumns);

  // Before each row: the line its record begins on, and whether it was
  // read whole (a record cut short by a fault keeps only some cells).
  void StartRow(std::uint64_t line, bool whole);
  void Cell(std::string_view cell) override;
  void EndRow() override;

  // A DataFrame of the columns under these names.
  py::object Frame(const std::vector<std::string>& names);

 private:
  // A text column's cells: each a code, below kShared one of the column's
  // first distinct texts (a status, a message), above it one of its own.
  struct TextColumn {
    static constexpr std::uint32_t kShared = 64;
    std::vector<std::uint32_t> codes;
    std::deque<std::string> shared;
    std::unordered_map<std::string_view, std::uint32_t> sharedCode;
    std::string own;  // the other cells, back to back
    std::vector<std::size_t> ownEnds;
    // Cells looked for among the shared texts and not found once they were
    // full: a column of names, each its own, soon stops looking.
    std::size_t misses = 0;

    void Add(std::string_view cell);
    std::string_view At(std::size_t row) const;
  };

  // A cell of an input column of a row that was not read whole.
  struct CutCell {
    std::size_t row;
    std::size_t column;
    std::string text;
  };
  static constexpr std::size_t kCut = ~std::size_t{0};

  void Grow();
  void TakeInputNumbers(std::size_t column);
  py::object InputStr(std::size_t column, std::size_t row) const;
  py::object NumberBlock(std::vector<double> values, std::size_t columns, std::size_t stride) const;
  py::object TextBlock(const std::vector<std::size_t>& columns) const;

  std::vector<Kind> kinds_;
  std::vector<std::size_t> slot_;  // each column's in numbers_ or texts_
  std::size_t numberColumns_ = 0;
  std::vector<double> numbers_;  // column by column, `capacity_` cells each
  std::size_t capacity_;
  std::vector<TextColumn> texts_;
  const InputCells* input_;
  std::size_t inputColumns_;
  std::vector<std::size_t> inputRows_;  // of each row, its frame's; kCut when cut short
  std::vector<CutCell> cut_;
  std::size_t next_ = 0;  // the column of the next cell
  std::size_t rows_ = 0;
  DecimalMark mark_;
};

}  // namespace brenmor::python

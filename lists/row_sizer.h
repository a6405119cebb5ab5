// One row of a list sized: its design values read from the columns the
// header names, or given on the command line, calculated as the window
// calculates, and written back with the added columns of the figures'
// table: F, D_mm, L_mm, L_over_D, status and message, then the wall and
// weight: t_shell_mm, t_head_mm, weight_empty_kg, weight_water_kg,
// least_weight_D_mm and wall_message.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "brenmor/calculation/calculation.h"
#include "csv_reader.h"
#include "csv_writer.h"
#include "list_problem.h"

namespace brenmor::lists {

// How every row of a list is read and sized.
struct RowOptions {
  char delimiter = ',';
  DecimalMark mark = DecimalMark::Point;
  // A value for every row, from the command line, for a field that the
  // list has no column for.
  std::array<std::optional<Quantity>, 5> given;
  // The heads, plate step, density, orientation, cost index and material
  // factor of every row; a list's head and orientation columns override
  // them for their row.
  DesignOptions design;
  // Told, once the header is read, which column was taken for each field
  // when some column was named by its words; not called for letter headers.
  std::function<void(const std::string&)> noteColumns;
};

// A row's cells one by one, for a table on screen rather than a file.
struct CellList {
  std::vector<std::string> cells;
  void Cell(std::string_view cell) { cells.emplace_back(cell); }
  void EndRow() {}
};

// Cells for any other front end, one by one: a Python module gathers
// them into columns.
class CellSink {
 public:
  virtual ~CellSink() = default;
  virtual void Cell(std::string_view cell) = 0;
  virtual void EndRow() = 0;
};

// A row written to two writers at once, sized once.
struct WriterPair {
  CsvWriter& first;
  CsvWriter& second;
  void Cell(std::string_view cell) {
    first.Cell(cell);
    second.Cell(cell);
  }
  void EndRow() {
    first.EndRow();
    second.EndRow();
  }
};

// How a row ended, and the problem of a value that could not be read, so
// that a front end can hint at its cause (a decimal comma, say).
struct RowEnd {
  Status status = Status::Sized;
  ProblemKind valueProblem = ProblemKind::None;
};

// The writers of a row: a CsvWriter, a WriterPair, a CellList or a CellSink.
class RowSizer {
 public:
  // Reads the header. When the list cannot be sized with these columns and
  // values, Problem() says why, and no row may be sized.
  RowSizer(const RecordBatch& batch, const Record& header, const RowOptions& options);

  // Why the list cannot be sized; None when it can.
  const ListProblem& Problem() const { return problem_; }

  // The header as it is written: the list's columns and the added ones.
  template <class Out>
  void WriteHeader(const RecordBatch& batch, const Record& header, Out& out) const;

  // Writes the record's row; how it ended.
  template <class Out>
  RowEnd SizeRow(const RecordBatch& batch, const Record& record, Out& out) const;

  // Which column was taken for each field, and in which unit, in one line.
  std::string ColumnsTaken() const;

 private:
  struct Column {
    std::size_t index = 0;
    ListUnit unit;      // of a cell that names none
    std::string name;   // the header's cell
    std::string given;  // the unit the header names; empty when none
    bool byWords = false;
  };

  void ReadColumn(std::string_view cell, std::size_t index);
  void CheckValues();
  ListProblem ReadValues(const RecordBatch& batch, const Record& record, Quantities& given,
                         DesignOptions& design) const;
  template <class Out>
  void WriteError(const RecordBatch& batch, const Record& record, Out& out,
                  const ListProblem& problem) const;
  template <class Out>
  void WriteCells(const RecordBatch& batch, const Record& record, Out& out) const;

  const RowOptions& options_;
  ListProblem problem_;
  std::size_t columnCount_;
  std::array<std::optional<Column>, 5> columns_;  // by field
  // The optional columns whose cells choose a row's heads and orientation.
  std::optional<std::size_t> headColumn_;
  std::optional<std::size_t> orientationColumn_;
};

}  // namespace brenmor::lists

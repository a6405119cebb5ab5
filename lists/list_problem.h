// Why a row of a list, or the whole list, could not be sized: one kind for
// every refusal, carried in the result, and one function that says it. The
// words belong to no front end: brenmor-size and the page each add their
// own hint (a flag, a control) where one helps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "brenmor/design/problem.h"
#include "csv_reader.h"

namespace brenmor::lists {

enum class ListProblemKind : std::uint8_t {
  None,
  // A row, written as an error row of the list.
  Record,     // a malformed record: `fault`, found at `line`
  CellCount,  // `line` has `cells` cells, the header `headerCells`
  Value,      // a cell's value could not be read: `value`
  Option,     // a head or orientation cell names no such option: `value`
  // The whole list, which is then not sized at all.
  NoHeaderLine,
  ReadFailed,        // reading stopped with `error` (an errno)
  TwoOptionColumns,  // two columns are named `names[0]`: head or orientation
  ColumnUnit,        // column `names[0]` names a unit its field does not take: `value`
  TwoColumns,        // columns `names[0]` and `names[1]` both name `field`
  ColumnAndValue,    // `field` has a column and a value given for every row
  NoColumn,          // `field` has neither
};

struct ListProblem {
  ListProblemKind kind = ListProblemKind::None;
  std::uint64_t line = 0;
  std::size_t cells = 0;
  std::size_t headerCells = 0;
  RecordFault fault = RecordFault::None;
  Problem value;  // the engine's problem with a value, a head or a unit
  std::optional<Field> field;
  std::array<std::string, 2> names;  // header cells, as written
  int error = 0;

  explicit operator bool() const { return kind != ListProblemKind::None; }
};

// The problem in one sentence, naming the line, column or value it is about.
std::string Message(const ListProblem& problem);

}  // namespace brenmor::lists

// Reading a value as a spreadsheet cell or a command line gives it: a number
// by the boxes' rule, optionally followed by a unit of its field's list.
// Stricter than a box, which reads "abc" as 0: here no one sees a text
// written back, so anything but a number and a unit is an error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "brenmor/units.h"

namespace brenmor::cli {

// Why a value's text could not be read.
enum class ReadError {
  None,         // read
  Empty,        // nothing but blanks
  NotANumber,   // no number at the start, or more after it than a unit
  UnknownUnit,  // a unit that is not on the field's list; E takes none
};

struct GivenValue {
  ReadError error = ReadError::None;
  double number = 0;  // as written, in `unit`
  int unit = 0;       // position on the field's list of units
};

// Reads `text` for `field`: optional blanks, a number, optional blanks and a
// unit name in any case. Without a unit the value is in `defaultUnit`.
GivenValue ReadGiven(Field field, std::string_view text, int defaultUnit = 0);

// What is wrong with `text` as a value of `field`, naming both.
std::string Explain(ReadError error, Field field, std::string_view text);

// Why `unit` is no unit of `field`: "kPa is not psi, bar or atm", or "E has
// no unit".
std::string UnitProblem(Field field, std::string_view unit);

// `text` without the blanks and line ends around it.
std::string_view TrimBlanks(std::string_view text);

// "P", "C", "S", "E" or "V".
std::string_view FieldName(Field field);

// The field of that one-letter name, in either case.
std::optional<Field> FieldNamed(std::string_view name);

}  // namespace brenmor::cli

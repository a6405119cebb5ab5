// A value as a spreadsheet cell or a command line gives it: a number,
// optionally followed by a unit of its field's list. Stricter than a box,
// which reads "abc" as 0 and shows what it read: here nobody sees a text
// written back, so anything but a number and a unit is refused.
#pragma once

#include <string>
#include <string_view>

#include "brenmor/form.h"
#include "brenmor/number_text.h"

namespace brenmor {

// A number in a unit of its field's list.
struct Quantity {
  double number = 0;
  int unit = 0;  // position on the field's list; 0, the base unit, for E
};

// Why a value's text could not be read.
enum class ReadError {
  None,          // read
  Empty,         // nothing but blanks
  NotANumber,    // no number at the start, or more after it than a unit
  CommaDecimal,  // "10,5" where the decimal mark is the point
  PointDecimal,  // "10.5" where the decimal mark is the comma
  UnknownUnit,   // a unit that is not on the field's list; E takes none
};

struct QuantityRead {
  ReadError error = ReadError::None;
  Quantity quantity;
};

// Reads `text` for `field`: optional blanks, a number by the boxes' rule
// with `mark` as its decimal mark, optional blanks and a unit name in any
// case. Without a unit the number is in unit position `defaultUnit`.
QuantityRead ReadQuantity(Field field, std::string_view text, int defaultUnit = 0,
                          DecimalMark mark = DecimalMark::Point);

// What is wrong with `text`, read with `mark`, as a value of `field`,
// naming both.
std::string Message(ReadError error, Field field, std::string_view text,
                    DecimalMark mark = DecimalMark::Point);

// Why `unit` is no unit of `field`: "kPa is not psi, bar or atm", or "E has
// no unit".
std::string UnitProblem(Field field, std::string_view unit);

}  // namespace brenmor

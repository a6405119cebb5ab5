// A value as a spreadsheet cell or a command line gives it: a number,
// optionally followed by a unit of its field's list. Stricter than a box,
// which reads "abc" as 0 and shows what it read: here nobody sees a text
// written back, so anything but a number and a unit is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brenmor/design/fields.h"
#include "brenmor/design/problem.h"
#include "brenmor/numbers/number_text.h"

namespace brenmor {

// A number in a unit of its field's list.
struct Quantity {
  double number = 0;
  int unit = 0;  // position on the field's list; 0, the base unit, for E
};

// A unit as a list or a command line may name it: one of the field's list,
// or a spreadsheet's word for one ("psig", "MPa", "m3"). A number in it is
// `factor` / `divisor` times that number in the list's unit `position`:
// 1 MPa is 10 bar and 1 kPa is 1/100 bar, through the window's bar factor,
// so that "1 MPa" and "10 bar" give the same digits.
struct ListUnit {
  int position = 0;
  double factor = 1;
  double divisor = 1;

  Quantity Of(double number) const { return {number * factor / divisor, position}; }
};

// The unit called `name` for `field`: one of its list in any case, or a
// spreadsheet's name for one (psig and barg for a pressure, kPa and MPa for
// a pressure or a stress, m3 and ft3 for a volume) in any case that keeps
// its meaning (mPa is not MPa). Nothing when there is none.
std::optional<ListUnit> ListUnitNamed(Field field, std::string_view name);

// Every unit name ListUnitNamed takes for `field`: its list's, then the
// spreadsheets' words for them. E takes none.
std::vector<std::string_view> UnitsTaken(Field field);

struct QuantityRead {
  Problem problem;  // why the text could not be read; None when it was
  Quantity quantity;
};

// Reads `text` for `field`: optional blanks, a number by the boxes' rule
// with `mark` as its decimal mark, optional blanks and a unit that
// ListUnitNamed knows. Without a unit the number is in `defaultUnit`.
QuantityRead ReadQuantity(Field field, std::string_view text, const ListUnit& defaultUnit = {},
                          DecimalMark mark = DecimalMark::Point);

// What follows the number in a value's text read with `mark`, blanks
// trimmed: the unit it names, if any.
std::string_view UnitPart(std::string_view text, DecimalMark mark);

// Whether `unit` names an absolute pressure, which a design pressure is not.
bool IsAbsolutePressure(Field field, std::string_view unit);

}  // namespace brenmor

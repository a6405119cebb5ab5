// The units a value may be typed in, and their conversion to the base unit
// in which the design is held (psi, inches, cubic feet).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "brenmor/design/fields.h"

namespace brenmor {

// The unit names of a field's list, base unit first; E has none.
std::span<const std::string_view> UnitNames(Field field);

// ParseValue(text) converted from unit position `unit` of the field's list to
// the base unit; nothing when the list has no such position. Pressures in atm
// are rounded to 3 decimals before they are committed; the other units keep
// every digit. The result may be infinite when the conversion overflows.
std::optional<double> ConvertToBase(Field field, int unit, std::string_view text);

// The number `x` in unit position `unit` of the field's list, in the base
// unit; `unit` must be on the list. E, which has no unit, is as it is.
double ToBase(Field field, int unit, double x);

// The position of the unit called `name` on the field's list, in any case;
// nothing when the list has no such unit.
std::optional<int> UnitPosition(Field field, std::string_view name);

// The text written back into a field's box: the value rounded to the field's
// decimals (4 for C, 3 for the others).
std::string DisplayText(Field field, double value);

}  // namespace brenmor

// The design values and options as brenmor-size takes them, as text, each
// checked by the engine's rule: read once here for the command line and
// for the Python module, which say a problem alike but for how they spell
// an option ("--plate-step" on the command line, plate_step in Python).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "brenmor/calculation/calculation.h"
#include "brenmor/design/options.h"
#include "brenmor/design/quantity.h"

namespace brenmor::cli {

using GivenValues = std::array<std::optional<Quantity>, 5>;

enum class Spelling { Flag, Keyword };

// "--plate-step" or "plate_step", from the flag's name.
std::string OptionName(std::string_view flag, Spelling spelling);

// The options' texts as given; an empty text leaves its option alone.
struct OptionTexts {
  std::string head;
  std::string plateStep;
  std::string density;
  std::string orientation;
  std::string costIndex;
  std::string materialFactor;
};

// The heads, plate step, density, orientation, cost index and material
// factor; a Failure naming the option when one cannot be taken.
DesignOptions ReadDesignOptions(const OptionTexts& texts, Spelling spelling);

// One value, "10 bar" or "3mm", read wholly; a Failure with the engine's
// message, and what to give when a decimal comma is the cause.
Quantity ReadValue(Field field, std::string_view text, DecimalMark mark, Spelling spelling);

// "P=10bar", "C=3mm"…: each field at most once.
GivenValues ReadNameValues(std::span<const std::string> values, DecimalMark mark);

// The given values, and each value not given at its default.
Quantities WithDefaults(const GivenValues& given);

// A list's delimiter: one character other than a quote or a line end, or
// "tab"; by default ',' or, with a decimal comma, ';'.
char ReadDelimiter(std::string_view text, DecimalMark mark, Spelling spelling);

}  // namespace brenmor::cli

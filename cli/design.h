// One design sized as the window sizes it: each value committed as a unit
// pick commits it (E as leaving its box does), then Calculate. The texts are
// the window's own, digit for digit.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "brenmor/design_state.h"
#include "given_value.h"

namespace brenmor::cli {

// How a design (or a row of a list) ended.
enum class Status {
  Sized,    // the window would show a diameter and a length
  Refused,  // the window would refuse a commit or the Calculate
  Error,    // a value could not be read, so nothing was committed
};

std::string_view StatusName(Status status);

struct SizedDesign {
  Status status = Status::Sized;
  std::string message;  // the window's message when refused; empty when sized
  // The values taken, in base units; nothing for one that was refused.
  std::array<std::optional<double>, 5> committed;
  Calculation shown;        // F, D and L as the boxes would show them
  std::string lengthOverD;  // L/D to 2 decimals, when sized
  Sizing sizing;            // the unrounded numbers behind `shown`
};

// The five values in the order P, C, S, E, V, each already read.
using GivenDesign = std::array<GivenValue, 5>;

// The window's defaults, as a design given in the base units.
GivenDesign DefaultDesign();

// Commits every value and, when all were taken, calculates.
SizedDesign SizeGiven(const GivenDesign& given);

// The committed values when all five were taken.
DesignValues CommittedValues(const SizedDesign& design);

}  // namespace brenmor::cli

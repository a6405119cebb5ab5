// The calculation record: how a design was sized, step by step and with its
// numbers, as an engineer files it with the design. Every front end prints
// this one text, so the window, the page and the command line explain a
// size alike.
#pragma once

#include <string>

#include "brenmor/calculation/calculation.h"

namespace brenmor {

// The record of a calculation: the values taken, F, the breakpoints around
// it, the two row diameters, the interpolated D and the length, each with
// the numbers that went in; a refusal says where the design left the
// correlation and gives the window's message. A sized vessel's record goes
// on with its wall and weight, with the calculation's heads, plate step and
// density.
std::string CalculationRecord(const Calculation& calculation);

}  // namespace brenmor

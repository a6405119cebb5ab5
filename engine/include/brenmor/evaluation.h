// A whole design evaluated at once, as the window takes and calculates it:
// each value committed as a unit pick commits it (E as leaving its box
// does), then Calculate. It keeps no state, so a list sizes its rows on any
// thread, and the window's own Calculate goes through it: every front end
// shows the same texts, digit for digit.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "brenmor/form.h"
#include "brenmor/quantity.h"
#include "brenmor/sizing.h"
#include "brenmor/wall.h"

namespace brenmor {

// Why a commit was refused. A refused commit leaves the design as it was.
enum class CommitError {
  None,         // committed
  OutOfRange,   // the number, in the base unit, is beyond the double range
  UnknownUnit,  // the unit position is not on the field's list
  EAboveOne,    // a joint efficiency above 1
};

// Why a value, in its field's base unit, may not be committed: it is beyond
// the double range, or a joint efficiency above 1 (exactly 1 is taken).
CommitError CommitRule(Field field, double value);

// The committed values; F and D are results, the others are inputs.
struct DesignValues {
  double P = 0;  // design pressure, psi
  double C = 0;  // corrosion allowance, in
  double S = 0;  // allowable stress, psi
  double E = 0;  // joint efficiency
  double V = 0;  // vessel volume, ft^3
  double F = 0;  // vessel factor of the last successful refresh, 1/in
  double D = 0;  // diameter of the last successful calculation, mm
};

// The design a session starts from: each box's opening text, read.
DesignValues DefaultValues();

// How a design, or a row of a list, ended.
enum class Status {
  Sized,    // a diameter and a length are shown
  Refused,  // a commit or the calculation was refused, with the window's message
  Error,    // a value could not be read, so nothing was committed
};

// "sized", "refused" or "error".
std::string_view StatusName(Status status);

struct Evaluation {
  Status status = Status::Sized;  // Sized or Refused
  std::string message;            // the window's message when refused; empty when sized
  // The first value not taken, in P, C, S, E, V order, and why.
  std::optional<Field> refusedField;
  CommitError commitError = CommitError::None;
  // The values taken, in base units; nothing for one that was refused.
  std::array<std::optional<double>, 5> committed;
  Sizing sizing;            // the unrounded numbers, once every value was taken
  std::string fText;        // F to 3 decimals; empty when F cannot be formed
  std::string dText;        // diameter, whole mm; empty when refused
  std::string lText;        // length, whole mm; empty when refused
  std::string lengthOverD;  // L/D to 2 decimals; empty when refused
  Wall wall;                // the wall and weight of the sized vessel, when asked for
  WallTexts wallTexts;      // as shown; empty when not worked out

  // The committed values, 0 where one was not taken, with F and D when
  // they were worked out.
  DesignValues Values() const;

  // A result's text, as its box or column shows it.
  const std::string& Text(Result result) const;
};

// The five values in the order P, C, S, E, V, each in a unit of its list.
using Quantities = std::array<Quantity, 5>;

// Committed values as quantities in their base units.
Quantities InBaseUnits(const DesignValues& values);

// Commits every value and, when all were taken, calculates; with `wall`,
// it also works out the wall of a sized vessel with those options. The
// window's Calculate and the chart show no wall, so they pass nothing.
Evaluation Evaluate(const Quantities& given,
                    const std::optional<WallOptions>& wall = WallOptions{});

// L/D of a sized vessel, to 2 decimals.
std::string LengthOverDiameterText(const VesselSize& size);

// A short message for the user on a refused commit of `field`.
std::string Message(CommitError error, Field field);
// A short message for the user on a refused calculation.
std::string Message(SizingError error);

}  // namespace brenmor

// What the sections of the calculation record share: the text they write
// line by line, and how they write each kind of number.
#pragma once

#include <string>

#include "brenmor/calculation/calculation.h"
#include "brenmor/numbers/number_text.h"
#include "design/factors.h"
#include "design/wall_constants.h"

namespace brenmor::record {

// The numbers of the working: inputs and F with every digit the arithmetic
// used, millimetres to 2 decimals, the shown results as the boxes show them.
inline std::string Full(double x) { return FormatValue(x); }
inline std::string Mm(double x) { return FormatFixed(x, 2); }
// Thicknesses in inches to 3 decimals, weights to 1 decimal where they are
// added up and whole where they are shown; pressures to 0.1 psi; money to
// the cent, and feet to 0.01 ft.
inline std::string In(double x) { return FormatFixed(x, 3); }
inline std::string Kg(double x) { return FormatFixed(x, 1); }
inline std::string Psi(double x) { return FormatFixed(x, 1); }
inline std::string Usd(double x) { return FormatFixed(x, 2); }
inline std::string Ft(double x) { return FormatFixed(x, 2); }
inline std::string Metres(double inches) { return Full(inches * kMmPerInch / kMmPerMetre); }
inline std::string Pounds(double kg) { return FormatFixed(kg / kKgPerPound, 0) + " lb"; }
inline std::string Holds(bool holds) { return holds ? "holds" : "fails"; }

class Lines {
 public:
  template <class... Parts>
  void Line(const Parts&... parts) {
    ((text_ += parts), ...);
    text_ += '\n';
  }
  void Refused(ProblemKind kind) {
    Line();
    Line("Refused: ", Message(kind));
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// The wall and weight of a sized vessel; the least weight too when the wall
// was worked out, or why it was not.
void WallSections(Lines& r, const Calculation& c);

// What the plates as built hold, and what the vessel costs.
void MawpSection(Lines& r, const Calculation& c);
void CostSection(Lines& r, const Calculation& c);

}  // namespace brenmor::record

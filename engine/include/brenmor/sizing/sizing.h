// The vessel factor and the correlation that turns it into an optimum
// diameter, and the length that holds the volume at that diameter.
#pragma once

#include <array>
#include <optional>

#include "brenmor/design/problem.h"

namespace brenmor {

// One breakpoint of the correlation: at F = Ft the optimum diameter is
// A * V^B feet, for V in cubic feet.
struct SizingRow {
  double Ft;
  double A;
  double B;
};

// 13 rows, breakpoints rising strictly from 0 to 3.0. Row 1 of the
// correlation is element 0.
extern const std::array<SizingRow, 13> SizingTable;

struct VesselSize {
  ProblemKind error = ProblemKind::None;  // a problem of the correlation
  double D = 0;                           // optimum diameter, mm
  double L = 0;                           // length or height, mm
  int row = 0;     // the breakpoint ending F's segment, 2 to 13; 0 when none does
  double Dlo = 0;  // diameter at the segment's first breakpoint, mm
  double Dhi = 0;  // diameter at its last breakpoint, mm
};

// A whole design sized: F from P, C, S and E, then D and L from F and V.
struct Sizing {
  ProblemKind error = ProblemKind::None;
  std::optional<double> F;  // nothing when P / (C S E) cannot be formed
  VesselSize size;          // D and L once F was formed and taken
};

// F = P / (C * S * E), in 1/in for P and S in psi and C in inches. Nothing
// when the divisor is 0 or any step is not finite.
std::optional<double> CalcF(double P, double C, double S, double E);

// The length, mm, of a cylinder of diameter D (mm) that holds V (ft^3), by
// the correlation's own factors.
double CylinderLength(double V, double D);

// Diameter and length of the vessel of volume V (ft^3) at factor F,
// interpolated linearly in F between the two breakpoints around it. Below
// F = 0 the first segment is extended.
VesselSize SizeVessel(double F, double V);

// F, then the vessel, for committed P, C, S, E and V. C, S and E must be
// above 0; a negative P (a vacuum) extrapolates below F = 0.
Sizing SizeDesign(double P, double C, double S, double E, double V);

}  // namespace brenmor

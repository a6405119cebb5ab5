// The wall and the weight of a sized vessel: what the correlation's
// optimum minimises, and what an engineer needs next for the cost estimate,
// the vendor enquiry and the foundations. The shell and heads are the
// pressure-vessel code's thin-wall formulas for internal pressure; the weight
// counts the shell and two heads only. It also finds the diameter of least
// weight for the same volume, to show how flat the bottom of the curve is.
#pragma once

#include <vector>

#include "brenmor/design/fields.h"
#include "brenmor/design/options.h"
#include "brenmor/design/problem.h"
#include "brenmor/sizing/sizing.h"

namespace brenmor {

// One plate's thickness, in inches.
struct Plate {
  double formula = 0;   // the code formula's t (for the shell, the larger of two)
  double required = 0;  // that, or the least plate of 1/16 in when it is more
  double minimum = 0;   // required plus the corrosion allowance
  double nominal = 0;   // the minimum rounded up to the plate step
};

struct Wall {
  // Why the wall was not worked out: NotSized, a limit of the thin-wall
  // formulas (Vacuum, ShellPressureLimit, ShellThicknessLimit), the density
  // or a weight out of range. D and L stay sized either way.
  ProblemKind error = ProblemKind::NotSized;
  DesignOptions options;
  double radius = 0;        // R = D / 2 + C, the corroded inside radius, in
  double hoop = 0;          // t1 = P R / (S E - 0.6 P), in
  double longitudinal = 0;  // t2 = P R / (2 S E + 0.4 P), in
  Plate shell;
  Plate head;
  double shellKg = 0;  // the shell at its nominal thickness
  double headKg = 0;   // one head at its nominal thickness
  double emptyKg = 0;  // the shell and two heads
  double waterKg = 0;  // empty, plus the volume full of water
  // The diameter of least weight for the same V, P, C, S, E and heads, to
  // 0.1 mm, and the weights there and here, both at minimum thicknesses so
  // that the curve is smooth and plate rounding does not count.
  double leastD = 0;    // mm
  double leastKg = 0;   // at leastD
  double designKg = 0;  // at the design's D
};

// The wall of the vessel of committed P (psi), C (in), S (psi) and E, sized
// to D and L (mm) for the volume V (ft^3); NotSized when `size` is refused.
Wall WallOf(const DesignValues& values, const VesselSize& size, const DesignOptions& options = {});

// Empty weight, kg, of the vessel of that design at diameter `D` (mm), with
// its length taken from V and minimum thicknesses: the curve whose bottom
// is leastD.
double MinimumThicknessWeight(const DesignValues& values, const DesignOptions& options, double D);

// The empty weight at minimum thicknesses from 0.5 to 2 times leastD, at
// `count` evenly spaced diameters: {D mm, kg}. Empty unless worked out.
struct WeightPoint {
  double D = 0;
  double kg = 0;
};
std::vector<WeightPoint> WeightCurve(const DesignValues& values, const Wall& wall, int count = 41);

// The design's weight as a percentage of the least weight: 100.25 means a
// quarter of a percent heavier than it need be.
double PercentOfLeast(const Wall& wall);
}  // namespace brenmor

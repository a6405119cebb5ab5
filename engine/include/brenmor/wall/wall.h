// The wall and the weight of a sized vessel: what the correlation's
// optimum minimises, and what an engineer needs next for the cost estimate,
// the vendor enquiry and the foundations. The shell and heads are the
// pressure-vessel code's thin-wall formulas for internal pressure; the weight
// counts the shell and two heads only. It also finds the diameter of least
// weight for the same volume, to show how flat the bottom of the curve is.
#pragma once

#include <cmath>
#include <vector>

#include "brenmor/design/fields.h"
#include "brenmor/design/options.h"
#include "brenmor/design/problem.h"
#include "brenmor/sizing/sizing.h"
#include "brenmor/wall/heads.h"

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
  double waterM3 = 0;  // the whole vessel's inside: the cylinder and both heads
  double waterKg = 0;  // empty, plus the vessel full of water
  // What the plates as built may hold, psi: each formula turned round on
  // its corroded nominal thickness, and the least of them.
  double hoopPressure = 0;          // S E t / (R + 0.6 t)
  double longitudinalPressure = 0;  // 2 S E t / (R - 0.4 t)
  double headPressure = 0;          // the head's formula, likewise
  double mawp = 0;
  double testPressure = 0;  // hydrostatic: 1.3 MAWP, the stress ratio taken as 1
  // A flanged and dished head whose t / L is below 0.002: its knuckle
  // needs the code's further check.
  bool thinKnuckle = false;
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

// The empty weight at minimum thicknesses as a function of the diameter
// x (mm), the length taken from V: the curve whose bottom is leastD, and
// its first two derivatives, for a search along it. In mm: R = x/2 + c;
// each wall is its formula's ratio times R, or the least plate, plus c; the
// length is K / x^2. The weight is convex in x (the shell's falls and the
// heads' rise, each the larger of convex pieces).
class MinimumWeight {
 public:
  MinimumWeight(const DesignValues& values, const DesignOptions& options);

  struct Point {
    double kg;
    double slope;      // kg/mm
    double curvature;  // kg/mm^2
  };
  Point At(double x) const;

 private:
  struct Wall1 {
    double t;      // minimum thickness, mm
    double slope;  // its rate of change with x
  };
  Wall1 WallAt(double ratio, double R) const;

  double c_;
  double shellRatio_;
  double headRatio_;
  double lengthTimesSquare_;
  double headArea_;
  double kgPerCubicMm_;
};

// Empty weight, kg, of the vessel of that design at diameter `D` (mm) at
// minimum thicknesses.
double MinimumThicknessWeight(const DesignValues& values, const DesignOptions& options, double D);

// Where a convex function of the diameter (a MinimumWeight, or a cost
// built on it) is least, by Newton's method on its slope from `D` (mm), to
// within `tolerance` (mm): each step is kept inside the bracket that the
// slope's signs give, and halved (geometrically) whenever it would leave
// it, so that a kink where a wall leaves the least plate can only slow it.
template <class Curve>
double LeastOf(const Curve& curve, double D, double tolerance) {
  const double settled = tolerance / 100;
  constexpr int kMostSteps = 200;
  double lo = 0;
  double hi = INFINITY;
  double x = D;
  for (int step = 0; step < kMostSteps && hi - lo > settled; ++step) {
    const auto p = curve.At(x);
    (p.slope < 0 ? lo : hi) = x;
    double next = x - p.slope / p.curvature;
    if (!(next > lo && next < hi))
      next = hi < INFINITY ? (lo > 0 ? std::sqrt(lo * hi) : hi / 2) : 2 * x;
    if (std::fabs(next - x) < settled) return next;
    x = next;
  }
  return x;
}

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

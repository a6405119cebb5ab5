// What the vessel costs to buy, by the correlations of Seider, Seader,
// Lewin and Widagdo, Product and Process Design Principles, 4th edition
// (CE index 567): the vessel from its empty weight, and its platforms and
// ladders from its size, for a vertical or a horizontal vessel. And the
// diameter that costs least, as the diameter of least weight weighs least:
// at minimum thicknesses, for the same volume. The correlation's optimum
// takes weight for cost; the platforms make the two differ.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "brenmor/design/fields.h"
#include "brenmor/design/options.h"
#include "brenmor/sizing/sizing.h"
#include "brenmor/wall/wall.h"

namespace brenmor {

// A correlation's published range for one of its quantities.
struct Range {
  std::string_view quantity;  // "W", "D", "L"
  std::string_view unit;      // "lb", "ft"
  double low;
  double high;
};

// C = exp(a + b ln W + c (ln W)^2), W in lb.
struct VesselCorrelation {
  double a;
  double b;
  double c;
  Range weight;
};

// C = k D^d L^l, D and L in ft; a horizontal vessel's does not take L.
struct PlatformCorrelation {
  double k;
  double d;
  double l;
  Range diameter;
  Range length;  // empty (0 to 0) where L is not taken
};

const VesselCorrelation& VesselCostOf(Orientation orientation);
const PlatformCorrelation& PlatformCostOf(Orientation orientation);

// The correlations at the index base, carbon steel: a vessel of `pounds`
// empty, and the platforms and ladders of one of D and L feet.
double VesselCostAtBase(Orientation orientation, double pounds);
double PlatformsCostAtBase(Orientation orientation, double feetD, double feetL);

// One quantity of a correlation against its range.
struct RangeCheck {
  const Range* range = nullptr;
  double value = 0;
  bool Inside() const { return value >= range->low && value <= range->high; }
};

struct Cost {
  bool given = false;  // only where the wall was worked out
  double weightLb = 0;
  double diameterFt = 0;
  double lengthFt = 0;
  double vesselAtBase = 0;             // C_V at the index base, carbon steel
  double platformsAtBase = 0;          // C_PL at the index base
  double indexRatio = 0;               // index / 567
  double vessel = 0;                   // C_V x material factor x index / 567, USD
  double platforms = 0;                // C_PL x index / 567, USD
  std::array<RangeCheck, 3> checks{};  // W, D, and L where taken
  int checkCount = 0;
  // The diameter of least vessel and platform cost at minimum
  // thicknesses, mm; MinimumCost gives the cost along that curve.
  double leastD = 0;
};

// The cost of the vessel sized to `size` with its wall `wall` (which must be
// worked out), at the options' orientation, index and material factor.
Cost CostOf(const DesignValues& values, const VesselSize& size, const Wall& wall);

// The vessel and platform cost at minimum thicknesses as a function of the
// diameter (mm), with its first two derivatives: the curve whose bottom is
// the least cost, and the cost plot's curve.
class MinimumCost {
 public:
  MinimumCost(const DesignValues& values, const DesignOptions& options);

  struct Point {
    double cost;
    double slope;
    double curvature;
  };
  Point At(double x) const;

 private:
  MinimumWeight weight_;
  const VesselCorrelation& vessel_;
  double vesselFactor_;    // material factor x index / 567
  double platformsAtOne_;  // the platforms' cost at 1 mm, the length following
  double platformsPower_;  // their exponent of D, the length's folded in
};

// Which correlation ranges the design is outside of, and what they are, in
// one sentence; empty when it is inside every one.
std::string RangeNote(const Cost& cost, Orientation orientation);

}  // namespace brenmor

#include "brenmor/cost/cost.h"

#include <cmath>

#include "brenmor/numbers/number_text.h"
#include "design/factors.h"
#include "design/wall_constants.h"

namespace brenmor {
namespace {

constexpr double kMmPerFoot = kMmPerInch * kInchesPerFoot;
// The diameter of least cost is shown to the millimetre, and found to it.
constexpr double kLeastCostTolerance = 1;

constexpr VesselCorrelation kVertical{7.1390, 0.18255, 0.02297, {"W", "lb", 4200, 1'000'000}};
constexpr VesselCorrelation kHorizontal{5.6336, 0.4599, 0.00582, {"W", "lb", 1000, 920'000}};
constexpr PlatformCorrelation kVerticalPlatforms{
    410, 0.73960, 0.70684, {"D", "ft", 3, 21}, {"L", "ft", 12, 40}};
constexpr PlatformCorrelation kHorizontalPlatforms{
    2275, 0.20294, 0, {"D", "ft", 3, 12}, {"", "", 0, 0}};

}  // namespace

const VesselCorrelation& VesselCostOf(Orientation orientation) {
  return orientation == Orientation::Vertical ? kVertical : kHorizontal;
}

const PlatformCorrelation& PlatformCostOf(Orientation orientation) {
  return orientation == Orientation::Vertical ? kVerticalPlatforms : kHorizontalPlatforms;
}

double VesselCostAtBase(Orientation orientation, double pounds) {
  const VesselCorrelation& c = VesselCostOf(orientation);
  const double u = std::log(pounds);
  return std::exp(c.a + c.b * u + c.c * u * u);
}

double PlatformsCostAtBase(Orientation orientation, double feetD, double feetL) {
  const PlatformCorrelation& c = PlatformCostOf(orientation);
  return c.k * std::exp(c.d * std::log(feetD) + (c.l == 0 ? 0 : c.l * std::log(feetL)));
}

MinimumCost::MinimumCost(const DesignValues& values, const DesignOptions& options)
    : weight_(values, options),
      vessel_(VesselCostOf(options.orientation)),
      vesselFactor_(options.materialFactor * options.costIndex / kCostIndexBase) {
  // L = K / D^2, so k D^d L^l in feet is a power of D in mm alone.
  const PlatformCorrelation& p = PlatformCostOf(options.orientation);
  const double lengthAtOne = CylinderLength(values.V, 1);
  platformsPower_ = p.d - 2 * p.l;
  platformsAtOne_ = options.costIndex / kCostIndexBase * p.k * std::pow(kMmPerFoot, -p.d) *
                    std::pow(lengthAtOne / kMmPerFoot, p.l);
}

// C_V(W(x)) with u = ln W: its slope is C_V (b + 2 c u) W'/W, and its
// curvature C_V ((b + 2 c u)^2 g^2 + 2 c g^2 + (b + 2 c u) g') with
// g = W'/W and g' = W''/W - g^2. A pound is a kilogram scaled, which moves u
// but not g.
MinimumCost::Point MinimumCost::At(double x) const {
  const MinimumWeight::Point w = weight_.At(x);
  const double u = std::log(w.kg / kKgPerPound);
  const double cv = vesselFactor_ * std::exp(vessel_.a + vessel_.b * u + vessel_.c * u * u);
  const double g = w.slope / w.kg;
  const double gSlope = w.curvature / w.kg - g * g;
  const double du = vessel_.b + 2 * vessel_.c * u;
  const double e = platformsPower_;
  const double pl = platformsAtOne_ * std::exp(e * std::log(x));
  return {
      cv + pl, cv * du * g + e * pl / x,
      cv * (du * du * g * g + 2 * vessel_.c * g * g + du * gSlope) + e * (e - 1) * pl / (x * x)};
}

Cost CostOf(const DesignValues& v, const VesselSize& size, const Wall& wall) {
  Cost cost;
  if (wall.error != ProblemKind::None) return cost;
  const DesignOptions& o = wall.options;
  const VesselCorrelation& vessel = VesselCostOf(o.orientation);
  const PlatformCorrelation& platforms = PlatformCostOf(o.orientation);
  cost.given = true;
  cost.weightLb = wall.emptyKg / kKgPerPound;
  cost.diameterFt = size.D / kMmPerFoot;
  cost.lengthFt = size.L / kMmPerFoot;
  cost.vesselAtBase = VesselCostAtBase(o.orientation, cost.weightLb);
  cost.platformsAtBase = PlatformsCostAtBase(o.orientation, cost.diameterFt, cost.lengthFt);
  cost.indexRatio = o.costIndex / kCostIndexBase;
  cost.vessel = cost.vesselAtBase * o.materialFactor * cost.indexRatio;
  cost.platforms = cost.platformsAtBase * cost.indexRatio;
  cost.checks[0] = {&vessel.weight, cost.weightLb};
  cost.checks[1] = {&platforms.diameter, cost.diameterFt};
  cost.checks[2] = {&platforms.length, cost.lengthFt};
  cost.checkCount = platforms.l == 0 ? 2 : 3;
  cost.leastD = LeastOf(MinimumCost(v, o), wall.leastD, kLeastCostTolerance);
  return cost;
}

namespace {

// " is outside the vertical platforms' 12 to 40 ft": the range a figure's
// correlation holds over, written once for every row that leaves it.
const std::string& RangeWords(Orientation orientation, int check) {
  static const auto words = [] {
    std::array<std::array<std::string, 3>, kOrientations.size()> all;
    for (const Orientation o : kOrientations) {
      const std::array<const Range*, 3> ranges = {
          &VesselCostOf(o).weight, &PlatformCostOf(o).diameter, &PlatformCostOf(o).length};
      for (std::size_t i = 0; i < ranges.size(); ++i) {
        all[static_cast<std::size_t>(PositionOf(o))][i] =
            std::string(" is outside the ") + std::string(Name(o)) +
            (i == 0 ? " vessel's " : " platforms' ") + FormatValue(ranges[i]->low) + " to " +
            FormatValue(ranges[i]->high) + ' ' + std::string(ranges[i]->unit);
      }
    }
    return all;
  }();
  return words[static_cast<std::size_t>(PositionOf(orientation))][static_cast<std::size_t>(check)];
}

}  // namespace

std::string RangeNote(const Cost& cost, Orientation orientation) {
  std::string note;
  for (int i = 0; i < cost.checkCount; ++i) {
    const RangeCheck& check = cost.checks[static_cast<std::size_t>(i)];
    if (check.Inside()) continue;
    const Range& range = *check.range;
    if (!note.empty()) note += "; ";
    ((note += range.quantity) += " = ") += FormatFixed(check.value, range.unit == "lb" ? 0 : 1);
    ((note += ' ') += range.unit) += RangeWords(orientation, i);
  }
  return note;
}

}  // namespace brenmor

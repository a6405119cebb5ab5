// The record's last two sections: what the plates as built hold, and what
// the vessel and its platforms cost, each formula with its numbers, its
// source, the index and the correlations' ranges.
#include "brenmor/cost/cost.h"
#include "record_lines.h"

namespace brenmor::record {
namespace {

// "2 x S x E x t / (Dc + 0.2 x t)" and its numbers, for the head chosen.
void HeadPressureLines(Lines& r, const DesignValues& v, const Wall& wall, const std::string& t) {
  const std::string SE = Full(v.S) + " x " + Full(v.E);
  const double R = wall.radius;
  switch (wall.options.head) {
    case HeadKind::Ellipsoidal:
      r.Line("    2 x S x E x t / (Dc + ", Full(kHeadPressureShare), " x t) = 2 x ", SE, " x ", t,
             " / (", Full(2 * R), " + ", Full(kHeadPressureShare), " x ", t,
             ") = ", Psi(wall.headPressure), " psi");
      break;
    case HeadKind::Hemispherical:
      r.Line("    2 x S x E x t / (R + ", Full(kHeadPressureShare), " x t) = 2 x ", SE, " x ", t,
             " / (", Full(R), " + ", Full(kHeadPressureShare), " x ", t,
             ") = ", Psi(wall.headPressure), " psi");
      break;
    case HeadKind::Torispherical:
      r.Line("    S x E x t / (", Full(kCrownFactor), " x L + ", Full(kCrownPressureShare),
             " x t) = ", SE, " x ", t, " / (", Full(kCrownFactor), " x ", Full(2 * R), " + ",
             Full(kCrownPressureShare), " x ", t, ") = ", Psi(wall.headPressure), " psi");
      break;
  }
}

// 1,000,000: the ranges as the book prints them.
std::string Grouped(double x) {
  std::string digits = FormatFixed(x, 0);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  }
  return digits;
}

std::string RangeLine(const RangeCheck& check) {
  const Range& range = *check.range;
  const std::string value = range.unit == "lb" ? FormatFixed(check.value, 1) : Ft(check.value);
  return std::string(range.quantity) + " from " + Grouped(range.low) + " to " +
         Grouped(range.high) + ' ' + std::string(range.unit) + ": " + value + ", " +
         (check.Inside() ? "inside" : "outside, the figure still given");
}

// Why the two optimums differ, as a sentence.
std::string WhyTheyDiffer(Orientation orientation) {
  return orientation == Orientation::Vertical
             ? "a vertical vessel's platforms and ladders cost less when it is wider and "
               "shorter, so the least cost lies at a larger diameter than the least weight"
             : "a horizontal vessel's platforms and ladders cost more when it is wider, so the "
               "least cost lies at a smaller diameter than the least weight";
}

}  // namespace

void MawpSection(Lines& r, const Calculation& c) {
  const DesignValues v = c.Values();
  const Wall& wall = c.wall;
  const std::string SE = Full(v.S) + " x " + Full(v.E);
  const std::string shell = Full(wall.shell.nominal - v.C);
  const std::string head = Full(wall.head.nominal - v.C);
  r.Line();
  r.Line("Maximum allowable working pressure: each formula on its plate as built, corroded");
  r.Line("  shell: t = tn - C = ", Full(wall.shell.nominal), " - ", Full(v.C), " = ", shell,
         " in, R = ", Full(wall.radius), " in");
  r.Line("    S x E x t / (R + ", Full(kHoopPressureShare), " x t) = ", SE, " x ", shell, " / (",
         Full(wall.radius), " + ", Full(kHoopPressureShare), " x ", shell,
         ") = ", Psi(wall.hoopPressure), " psi");
  r.Line("    2 x S x E x t / (R - ", Full(kLongitudinalPressureShare), " x t) = 2 x ", SE, " x ",
         shell, " / (", Full(wall.radius), " - ", Full(kLongitudinalPressureShare), " x ", shell,
         ") = ", Psi(wall.longitudinalPressure), " psi");
  r.Line("  heads: t = tn - C = ", Full(wall.head.nominal), " - ", Full(v.C), " = ", head, " in");
  HeadPressureLines(r, v, wall, head);
  r.Line("  MAWP = the least of them = ", Psi(wall.mawp), " psi, shown ",
         FigureText(Figure::Mawp, wall.mawp), " psi, at least P = ", Full(v.P), " psi");
  r.Line("  hydrostatic test = ", Full(kTestPressureFactor), " x MAWP = ", Psi(wall.testPressure),
         " psi, shown ", FigureText(Figure::TestPressure, wall.testPressure),
         " psi, the stress ratio taken as 1");
}

void CostSection(Lines& r, const Calculation& c) {
  const Cost& cost = c.cost;
  const DesignOptions& o = c.options;
  const VesselCorrelation& vessel = VesselCostOf(o.orientation);
  const PlatformCorrelation& platforms = PlatformCostOf(o.orientation);
  const std::string lnW = FormatFixed(std::log(cost.weightLb), 5);
  r.Line();
  r.Line("Purchase cost, ", Name(o.orientation), " vessel: Seider, Seader, Lewin and Widagdo, ",
         "Product and Process Design Principles, 4th edition, CE index ", Full(kCostIndexBase));
  r.Line("  W = empty / ", Full(kKgPerPound), " = ", Kg(c.wall.emptyKg), " / ", Full(kKgPerPound),
         " = ", FormatFixed(cost.weightLb, 1), " lb; D = ", Ft(cost.diameterFt),
         " ft, L = ", Ft(cost.lengthFt), " ft");
  r.Line("  Cv = exp(", Full(vessel.a), " + ", Full(vessel.b), " x ln W + ", Full(vessel.c),
         " x (ln W)^2)");
  r.Line("     = exp(", Full(vessel.a), " + ", Full(vessel.b), " x ", lnW, " + ", Full(vessel.c),
         " x ", lnW, "^2) = ", Usd(cost.vesselAtBase), " USD");
  if (platforms.l == 0) {
    r.Line("  Cpl = ", Full(platforms.k), " x D^", Full(platforms.d), " = ", Full(platforms.k),
           " x ", Ft(cost.diameterFt), "^", Full(platforms.d), " = ", Usd(cost.platformsAtBase),
           " USD, platforms and ladders");
  } else {
    r.Line("  Cpl = ", Full(platforms.k), " x D^", Full(platforms.d), " x L^", Full(platforms.l),
           " = ", Full(platforms.k), " x ", Ft(cost.diameterFt), "^", Full(platforms.d), " x ",
           Ft(cost.lengthFt), "^", Full(platforms.l), " = ", Usd(cost.platformsAtBase),
           " USD, platforms and ladders");
  }
  for (int i = 0; i < cost.checkCount; ++i) {
    r.Line("  ", RangeLine(cost.checks[static_cast<std::size_t>(i)]));
  }
  r.Line("  vessel = Cv x ", Full(o.materialFactor), " x ", Full(o.costIndex), " / ",
         Full(kCostIndexBase), " = ", Usd(cost.vessel), " USD, shown ",
         FigureText(Figure::VesselCost, cost.vessel), " USD, material factor ",
         Full(o.materialFactor));
  r.Line("  platforms = Cpl x ", Full(o.costIndex), " / ", Full(kCostIndexBase), " = ",
         Usd(cost.platforms), " USD, shown ", FigureText(Figure::PlatformsCost, cost.platforms),
         " USD");
  r.Line();
  r.Line("Least cost at this V, the vessel and its platforms at minimum thicknesses");
  const MinimumCost curve(c.Values(), o);
  r.Line("  Dc = ", Mm(cost.leastD), " mm, found to 1 mm, shown ",
         FigureText(Figure::LeastCostD, cost.leastD), " mm: ", Usd(curve.At(cost.leastD).cost),
         " USD");
  r.Line("  D* = ", Mm(c.wall.leastD), " mm, the least weight: ", Usd(curve.At(c.wall.leastD).cost),
         " USD; D = ", Mm(c.sizing.size.D), " mm: ", Usd(curve.At(c.sizing.size.D).cost), " USD");
  r.Line("  The two differ: ", WhyTheyDiffer(o.orientation));
}

}  // namespace brenmor::record

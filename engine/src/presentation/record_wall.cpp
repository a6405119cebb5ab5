// The record's wall and weight: the limits of the thin-wall formulas, the
// shell, the heads, the empty weight and full of water, the least weight.
#include "record_lines.h"

namespace brenmor::record {
namespace {

bool LimitsSection(Lines& r, const DesignValues& v, const Wall& wall) {
  const double limit = kShellPressureLimit * v.S * v.E;
  r.Line();
  r.Line("Wall and weight: ", Caption(wall.options.head), " heads, plates in steps of ",
         Caption(wall.options.step), ", steel of ", Full(wall.options.density), " kg/m^3");
  r.Line("  Limits of the thin-wall formulas for internal pressure, checked in this order");
  r.Line("  P >= 0: ", Full(v.P), " psi, ", Holds(v.P >= 0));
  if (wall.error == ProblemKind::Vacuum) return false;
  r.Line("  P <= ", Full(kShellPressureLimit), " x S x E = ", Full(kShellPressureLimit), " x ",
         Full(v.S), " x ", Full(v.E), " = ", Full(limit), " psi: ", Full(v.P), " psi, ",
         Holds(v.P <= limit));
  if (wall.error == ProblemKind::ShellPressureLimit) return false;
  r.Line("  t <= R / 2, below, for the shell");
  if (wall.options.head == HeadKind::Hemispherical) {
    r.Line("  P <= ", Full(kHemisphericalPressureLimit),
           " x S x E for hemispherical heads: met, as P <= ", Full(kShellPressureLimit),
           " x S x E is");
  }
  return true;
}

void PlateLines(Lines& r, const Plate& plate, double C, PlateStep step, Figure shown) {
  r.Line("  minimum = t + C = ", In(plate.required), " + ", Full(C), " = ", In(plate.minimum),
         " in");
  r.Line("  nominal = minimum rounded up to ", Caption(step), " = ", In(plate.nominal),
         " in = ", FormatFixed(plate.nominal * kMmPerInch, 3), " mm, shown ",
         FigureText(shown, plate.nominal * kMmPerInch), " mm");
}

bool ShellSection(Lines& r, const DesignValues& v, const VesselSize& size, const Wall& wall) {
  r.Line();
  r.Line("Shell, on the corroded inside radius");
  r.Line("  R = D / 25.4 / 2 + C = ", Full(size.D), " / 25.4 / 2 + ", Full(v.C), " = ",
         Full(wall.radius), " in");
  r.Line("  t1 = P x R / (S x E - ", Full(kHoopPressureShare), " x P)");
  r.Line("     = ", Full(v.P), " x ", Full(wall.radius), " / (", Full(v.S), " x ", Full(v.E), " - ",
         Full(kHoopPressureShare), " x ", Full(v.P), ")");
  r.Line("     = ", In(wall.hoop), " in");
  r.Line("  t2 = P x R / (2 x S x E + ", Full(kLongitudinalPressureShare), " x P)");
  r.Line("     = ", Full(v.P), " x ", Full(wall.radius), " / (2 x ", Full(v.S), " x ", Full(v.E),
         " + ", Full(kLongitudinalPressureShare), " x ", Full(v.P), ")");
  r.Line("     = ", In(wall.longitudinal), " in");
  r.Line("  t = max(t1, t2, 1/16 in) = ", In(wall.shell.required), " in");
  r.Line("  t <= R / 2: ", In(wall.shell.required), " <= ", Full(wall.radius / 2), " in, ",
         Holds(wall.error != ProblemKind::ShellThicknessLimit));
  if (wall.error == ProblemKind::ShellThicknessLimit) return false;
  PlateLines(r, wall.shell, v.C, wall.options.step, Figure::ShellThickness);
  return true;
}

// The head's formula with its numbers: on the corroded diameter Dc for a
// 2:1 head, the radius R for a hemisphere, the crown radius L for F&D.
void HeadFormulaLines(Lines& r, const DesignValues& v, const Wall& wall) {
  const double R = wall.radius;
  const std::string P = Full(v.P);
  const std::string SE = Full(v.S) + " x " + Full(v.E);
  switch (wall.options.head) {
    case HeadKind::Ellipsoidal:
      r.Line("  Dc = 2 x R = ", Full(2 * R), " in, the corroded inside diameter");
      r.Line("  t = P x Dc / (2 x S x E - ", Full(kHeadPressureShare), " x P)");
      r.Line("    = ", P, " x ", Full(2 * R), " / (2 x ", SE, " - ", Full(kHeadPressureShare),
             " x ", P, ")");
      break;
    case HeadKind::Hemispherical:
      r.Line("  t = P x R / (2 x S x E - ", Full(kHeadPressureShare), " x P)");
      r.Line("    = ", P, " x ", Full(R), " / (2 x ", SE, " - ", Full(kHeadPressureShare), " x ", P,
             ")");
      break;
    case HeadKind::Torispherical:
      r.Line("  L = 2 x R = ", Full(2 * R), " in, the crown radius: the corroded inside diameter");
      r.Line("  r = ", Full(kKnuckleShare), " x L = ", In(kKnuckleShare * 2 * R),
             " in, the knuckle radius");
      r.Line("  t = ", Full(kCrownFactor), " x P x L / (S x E - ", Full(kCrownPressureShare),
             " x P)");
      r.Line("    = ", Full(kCrownFactor), " x ", P, " x ", Full(2 * R), " / (", SE, " - ",
             Full(kCrownPressureShare), " x ", P, ")");
      break;
  }
  r.Line("    = ", In(wall.head.formula), " in");
  if (wall.options.head != HeadKind::Torispherical) return;
  const double ratio = wall.head.formula / (2 * R);
  r.Line("  t / L = ", FormatFixed(ratio, 4), wall.thinKnuckle ? ", below " : ", not below ",
         Full(kThinKnuckle),
         wall.thinKnuckle ? ": the knuckle needs the code's further check" : "");
}

void HeadSection(Lines& r, const DesignValues& v, const Wall& wall) {
  r.Line();
  r.Line("Heads, ", Caption(wall.options.head), ", both alike");
  HeadFormulaLines(r, v, wall);
  r.Line("  t = max(t, 1/16 in) = ", In(wall.head.required), " in");
  PlateLines(r, wall.head, v.C, wall.options.step, Figure::HeadThickness);
}

void WeightSection(Lines& r, const DesignValues& v, const VesselSize& size, const Wall& wall) {
  const DesignOptions& o = wall.options;
  const double area = AreaFactor(o.head);
  const double volume = VolumeFactor(o.head);
  const std::string D = Full(size.D / kMmPerMetre);
  r.Line();
  r.Line("Empty weight, the shell and two heads only, lengths in m");
  r.Line("  shell = rho x pi x (D + tn) x tn x L");
  r.Line("        = ", Full(o.density), " x ", Full(kWeightPi), " x (", D, " + ",
         Metres(wall.shell.nominal), ") x ", Metres(wall.shell.nominal), " x ",
         Full(size.L / kMmPerMetre));
  r.Line("        = ", Kg(wall.shellKg), " kg");
  r.Line("  head = rho x k x (D + tn)^2 x tn, k = ", Full(area), " for a ", Caption(o.head),
         " head at its mean diameter");
  r.Line("       = ", Full(o.density), " x ", Full(area), " x (", D, " + ",
         Metres(wall.head.nominal), ")^2 x ", Metres(wall.head.nominal));
  r.Line("       = ", Kg(wall.headKg), " kg");
  r.Line("  empty = shell + 2 x head = ", Kg(wall.shellKg), " + 2 x ", Kg(wall.headKg), " = ",
         Kg(wall.emptyKg), " kg, shown ", FigureText(Figure::EmptyWeight, wall.emptyKg), " kg, ",
         Pounds(wall.emptyKg));
  r.Line("  inside = V / ", Full(kCubicFeetPerCubicMetre), " + 2 x kv x D^3, kv = ", Full(volume),
         " for a ", Caption(o.head), " head");
  r.Line("         = ", Full(v.V), " / ", Full(kCubicFeetPerCubicMetre), " + 2 x ", Full(volume),
         " x ", D, "^3 = ", FormatFixed(wall.waterM3, 3), " m^3");
  r.Line("  full of water = empty + ", Full(kWaterDensity), " x inside = ", Kg(wall.emptyKg), " + ",
         Full(kWaterDensity), " x ", FormatFixed(wall.waterM3, 3), " = ", Kg(wall.waterKg),
         " kg, shown ", FigureText(Figure::WaterWeight, wall.waterKg), " kg, ",
         Pounds(wall.waterKg));
}

void LeastWeightSection(Lines& r, const VesselSize& size, const Wall& wall) {
  r.Line();
  r.Line("Least weight at this V, both at minimum thicknesses");
  r.Line("  D* = ", Mm(wall.leastD), " mm, found to 0.1 mm, shown ",
         FigureText(Figure::LeastWeightD, wall.leastD), " mm: ", Kg(wall.leastKg), " kg");
  r.Line("  D = ", Mm(size.D), " mm: ", Kg(wall.designKg), " kg");
  r.Line("  ", Kg(wall.designKg), " / ", Kg(wall.leastKg), " = ",
         FormatFixed(PercentOfLeast(wall), 2), " % of the least weight");
}

}  // namespace

void WallSections(Lines& r, const Calculation& c) {
  const DesignValues v = c.Values();
  const VesselSize& size = c.sizing.size;
  const Wall& wall = c.wall;
  if (LimitsSection(r, v, wall) && ShellSection(r, v, size, wall)) {
    HeadSection(r, v, wall);
    if (wall.error == ProblemKind::None) {
      WeightSection(r, v, size, wall);
      LeastWeightSection(r, size, wall);
    }
  }
  if (wall.error != ProblemKind::None) {
    r.Line();
    r.Line("Wall not worked out: ", Message(wall.error));
  }
}

}  // namespace brenmor::record

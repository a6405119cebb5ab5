#include "brenmor/presentation/record.h"

#include <array>
#include <cmath>

#include "brenmor/numbers/number_text.h"
#include "design/factors.h"
#include "design/wall_constants.h"

namespace brenmor {
namespace {

// The numbers of the working: inputs and F with every digit the arithmetic
// used, millimetres to 2 decimals, the shown results as the boxes show them.
std::string Full(double x) { return FormatValue(x); }
std::string Mm(double x) { return FormatFixed(x, 2); }
std::string Row(int row) { return FormatValue(row); }
// Thicknesses in inches to 3 decimals, weights to 1 decimal where they are
// added up and whole where they are shown.
std::string In(double x) { return FormatFixed(x, 3); }
std::string Kg(double x) { return FormatFixed(x, 1); }
std::string Metres(double inches) { return Full(inches * kMmPerInch / 1000); }
std::string Pounds(double kg) { return FormatFixed(kg / kKgPerPound, 0) + " lb"; }
std::string Holds(bool holds) { return holds ? "holds" : "fails"; }

// The factors as the arithmetic holds them, so that the record cannot
// disagree with it: "25.4 x 12", "3.28^3", "35.287552" and the correlation's pi.
std::string FeetToMm() { return Full(kMmPerInch) + " x " + Full(kInchesPerFoot); }
std::string CubicFeetPerCubicMetre() { return Full(kCubicFeetPerCubicMetre); }

class Record {
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

// False when a value was not taken, and nothing was calculated.
bool DesignSection(Record& r, const Calculation& c) {
  constexpr std::size_t kNameWidth = 22;
  r.Line("Brenmor calculation record");
  r.Line();
  r.Line("Design values, as committed");
  for (const Field field : kFields) {
    const FieldInfo& info = Info(field);
    std::string name(info.longName);
    name.resize(kNameWidth, ' ');
    const std::optional<double>& value = c.committed[static_cast<std::size_t>(field)];
    const std::string_view space = info.units.empty() || !value ? "" : " ";
    r.Line("  ", info.letter, "  ", name, value ? Full(*value) : "not taken", space,
           value ? BaseUnit(field) : "");
  }
  if (!c.problem.field) return true;
  r.Line();
  r.Line("Refused: ", Message(c.problem));
  return false;
}

// False when the calculation ends here.
bool FactorSection(Record& r, const DesignValues& v, const Sizing& sizing) {
  r.Line();
  r.Line("Vessel factor");
  r.Line("  F = P / (C x S x E)");
  r.Line("    = ", Full(v.P), " / (", Full(v.C), " x ", Full(v.S), " x ", Full(v.E), ")");
  if (!sizing.F) {
    r.Line(v.C * v.S * v.E == 0 ? "    cannot be formed: C x S x E is 0"
                                : "    is beyond the range of numbers");
  } else {
    r.Line("    = ", Full(*sizing.F), " 1/in, shown ", FigureText(Figure::F, *sizing.F));
  }
  switch (sizing.error) {
    case ProblemKind::CorrosionNotPositive:
    case ProblemKind::StressNotPositive:
    case ProblemKind::EfficiencyNotPositive:
    case ProblemKind::FactorOutOfRange:
      r.Refused(sizing.error);
      return false;
    default:
      return true;
  }
}

// False when the calculation ends here.
bool RowsSection(Record& r, double F, const VesselSize& size) {
  r.Line();
  r.Line("Correlation rows around F, each giving a diameter of A x V^B ft");
  if (size.error == ProblemKind::FBeyondTable) {
    const SizingRow& last = SizingTable.back();
    r.Line("  F is above row 13, Ft = ", Full(last.Ft), ", the last breakpoint");
    r.Refused(size.error);
    return false;
  }
  for (const int row : {size.row - 1, size.row}) {
    const SizingRow& t = SizingTable[static_cast<std::size_t>(row - 1)];
    r.Line("  row ", Row(row), ": Ft = ", Full(t.Ft), ", A = ", Full(t.A), ", B = ", Full(t.B));
  }
  if (F < SizingTable.front().Ft) {
    r.Line("  F is below row 1: the segment of rows 1 and 2 is extended below 0");
  }
  if (size.error == ProblemKind::VolumeNotPositive) {
    r.Refused(size.error);
    return false;
  }
  return true;
}

// False when the calculation ends here.
bool DiameterSection(Record& r, double F, double V, const VesselSize& size) {
  const SizingRow& lo = SizingTable[static_cast<std::size_t>(size.row - 2)];
  const SizingRow& hi = SizingTable[static_cast<std::size_t>(size.row - 1)];
  const std::string loRow = Row(size.row - 1);
  const std::string hiRow = Row(size.row);
  r.Line("  Dlo = ", Full(lo.A), " x ", Full(V), "^", Full(lo.B), " x ", FeetToMm(), " = ",
         Mm(size.Dlo), " mm");
  r.Line("  Dhi = ", Full(hi.A), " x ", Full(V), "^", Full(hi.B), " x ", FeetToMm(), " = ",
         Mm(size.Dhi), " mm");
  r.Line();
  r.Line("Diameter, linear in F between the two rows");
  r.Line("  D = Dlo + (F - Ft", loRow, ") x ((Dhi - Dlo) / (Ft", hiRow, " - Ft", loRow, "))");
  r.Line("    = ", Mm(size.Dlo), " + (", Full(F), " - ", Full(lo.Ft), ") x ((", Mm(size.Dhi), " - ",
         Mm(size.Dlo), ") / (", Full(hi.Ft), " - ", Full(lo.Ft), "))");
  r.Line("    = ", Mm(size.D), " mm, shown ", FigureText(Figure::D, size.D));
  if (size.error == ProblemKind::DiameterNotPositive) {
    r.Refused(size.error);
    return false;
  }
  return true;
}

bool LimitsSection(Record& r, const DesignValues& v, const Wall& wall) {
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

void PlateLines(Record& r, const Plate& plate, double C, PlateStep step, Figure shown) {
  r.Line("  minimum = t + C = ", In(plate.required), " + ", Full(C), " = ", In(plate.minimum),
         " in");
  r.Line("  nominal = minimum rounded up to ", Caption(step), " = ", In(plate.nominal),
         " in = ", FormatFixed(plate.nominal * kMmPerInch, 3), " mm, shown ",
         FigureText(shown, plate.nominal * kMmPerInch), " mm");
}

bool ShellSection(Record& r, const DesignValues& v, const VesselSize& size, const Wall& wall) {
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

void HeadSection(Record& r, const DesignValues& v, const Wall& wall) {
  const bool ellipsoidal = wall.options.head == HeadKind::Ellipsoidal;
  r.Line();
  r.Line("Heads, ", Caption(wall.options.head), ", both alike");
  if (ellipsoidal) {
    r.Line("  Dc = 2 x R = ", Full(2 * wall.radius), " in, the corroded inside diameter");
  }
  const std::string span = ellipsoidal ? "Dc" : "R";
  r.Line("  t = P x ", span, " / (2 x S x E - ", Full(kHeadPressureShare), " x P)");
  r.Line("    = ", Full(v.P), " x ", Full(ellipsoidal ? 2 * wall.radius : wall.radius), " / (2 x ",
         Full(v.S), " x ", Full(v.E), " - ", Full(kHeadPressureShare), " x ", Full(v.P), ")");
  r.Line("    = ", In(wall.head.formula), " in");
  r.Line("  t = max(t, 1/16 in) = ", In(wall.head.required), " in");
  PlateLines(r, wall.head, v.C, wall.options.step, Figure::HeadThickness);
}

void WeightSection(Record& r, const DesignValues& v, const VesselSize& size, const Wall& wall) {
  const DesignOptions& o = wall.options;
  const double headArea =
      o.head == HeadKind::Ellipsoidal ? kEllipsoidalHeadArea : kHemisphericalHeadArea;
  const std::string D = Full(size.D / 1000);
  r.Line();
  r.Line("Empty weight, the shell and two heads only, lengths in m");
  r.Line("  shell = rho x pi x (D + tn) x tn x L");
  r.Line("        = ", Full(o.density), " x ", Full(kWeightPi), " x (", D, " + ",
         Metres(wall.shell.nominal), ") x ", Metres(wall.shell.nominal), " x ",
         Full(size.L / 1000));
  r.Line("        = ", Kg(wall.shellKg), " kg");
  r.Line("  head = rho x k x (D + tn)^2 x tn, k = ", Full(headArea), " for a ", Caption(o.head),
         " head");
  r.Line("       = ", Full(o.density), " x ", Full(headArea), " x (", D, " + ",
         Metres(wall.head.nominal), ")^2 x ", Metres(wall.head.nominal));
  r.Line("       = ", Kg(wall.headKg), " kg");
  r.Line("  empty = shell + 2 x head = ", Kg(wall.shellKg), " + 2 x ", Kg(wall.headKg), " = ",
         Kg(wall.emptyKg), " kg, shown ", FigureText(Figure::EmptyWeight, wall.emptyKg), " kg, ",
         Pounds(wall.emptyKg));
  r.Line("  full of water = empty + ", Full(kWaterDensity), " x V / ", CubicFeetPerCubicMetre(),
         " = ", Kg(wall.emptyKg), " + ", Full(kWaterDensity), " x ",
         Full(v.V / kCubicFeetPerCubicMetre), " = ", Kg(wall.waterKg), " kg, shown ",
         FigureText(Figure::WaterWeight, wall.waterKg), " kg, ", Pounds(wall.waterKg));
}

void LeastWeightSection(Record& r, const VesselSize& size, const Wall& wall) {
  r.Line();
  r.Line("Least weight at this V, both at minimum thicknesses");
  r.Line("  D* = ", Mm(wall.leastD), " mm, found to 0.1 mm, shown ",
         FigureText(Figure::LeastWeightD, wall.leastD), " mm: ", Kg(wall.leastKg), " kg");
  r.Line("  D = ", Mm(size.D), " mm: ", Kg(wall.designKg), " kg");
  r.Line("  ", Kg(wall.designKg), " / ", Kg(wall.leastKg), " = ",
         FormatFixed(PercentOfLeast(wall), 2), " % of the least weight");
}

void WallSection(Record& r, const DesignValues& v, const VesselSize& size, const Wall& wall) {
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

void LengthSection(Record& r, double V, const VesselSize& size) {
  r.Line();
  r.Line("Length of a cylinder of that diameter that holds V");
  const std::string pi = Full(kSizingPi);
  const std::string mmPerMetre = Full(kMmPerMetre);
  r.Line("  L = (4 x V / ", Full(kFeetPerMetre), "^3) / ((D / ", mmPerMetre, ")^2 x ", pi, ") x ",
         mmPerMetre);
  r.Line("    = (4 x ", Full(V), " / ", CubicFeetPerCubicMetre(), ") / (",
         Full(size.D / kMmPerMetre), "^2 x ", pi, ") x ", mmPerMetre);
  r.Line("    = ", Mm(size.L), " mm, shown ", FigureText(Figure::L, size.L));
  if (size.error != ProblemKind::None) {
    r.Refused(size.error);
    return;
  }
  r.Line("  L/D = ", FigureText(Figure::LengthOverD, size.L / size.D));
}

}  // namespace

std::string CalculationRecord(const Calculation& c) {
  const DesignValues v = c.Values();
  const Sizing& sizing = c.sizing;
  Record r;
  if (DesignSection(r, c) && FactorSection(r, v, sizing) &&
      RowsSection(r, *sizing.F, sizing.size) && DiameterSection(r, *sizing.F, v.V, sizing.size)) {
    LengthSection(r, v.V, sizing.size);
    if (c.Sized()) WallSection(r, v, sizing.size, c.wall);
  }
  return r.Take();
}

}  // namespace brenmor

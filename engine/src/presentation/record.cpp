#include "brenmor/presentation/record.h"

#include <array>
#include <cmath>

#include "record_lines.h"

namespace brenmor {
namespace {

using record::Full;
using record::Mm;
using Record = record::Lines;

std::string Row(int row) { return FormatValue(row); }

// The factors as the arithmetic holds them, so that the record cannot
// disagree with it: "25.4 x 12", "3.28^3", "35.287552" and the correlation's pi.
std::string FeetToMm() { return Full(kMmPerInch) + " x " + Full(kInchesPerFoot); }

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

void LengthSection(Record& r, double V, const VesselSize& size) {
  r.Line();
  r.Line("Length of a cylinder of that diameter that holds V");
  const std::string pi = Full(kSizingPi);
  const std::string mmPerMetre = Full(kMmPerMetre);
  r.Line("  L = (4 x V / ", Full(kFeetPerMetre), "^3) / ((D / ", mmPerMetre, ")^2 x ", pi, ") x ",
         mmPerMetre);
  r.Line("    = (4 x ", Full(V), " / ", Full(kCubicFeetPerCubicMetre), ") / (",
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
    if (c.Sized()) record::WallSections(r, c);
    if (c.cost.given) {
      record::MawpSection(r, c);
      record::CostSection(r, c);
    }
  }
  return r.Take();
}

}  // namespace brenmor

#include "brenmor/record.h"

#include <array>
#include <cmath>

#include "brenmor/number_text.h"

namespace brenmor {
namespace {

// The numbers of the working: inputs and F with every digit the arithmetic
// used, millimetres to 2 decimals, the shown results as the boxes show them.
std::string Full(double x) { return FormatValue(x); }
std::string Mm(double x) { return FormatFixed(x, 2); }
std::string Row(int row) { return FormatValue(row); }

class Record {
 public:
  template <class... Parts>
  void Line(const Parts&... parts) {
    ((text_ += parts), ...);
    text_ += '\n';
  }
  void Refused(SizingError error) {
    Line();
    Line("Refused: ", Message(error));
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

void DesignSection(Record& r, const DesignValues& v) {
  constexpr std::size_t kNameWidth = 22;
  const Quantities values = InBaseUnits(v);
  r.Line("Brenmor calculation record");
  r.Line();
  r.Line("Design values, as committed");
  for (const Field field : kFields) {
    const FieldInfo& info = Info(field);
    std::string name(info.longName);
    name.resize(kNameWidth, ' ');
    const std::string_view space = info.units.empty() ? "" : " ";
    r.Line("  ", info.letter, "  ", name, Full(values[static_cast<std::size_t>(field)].number),
           space, BaseUnit(field));
  }
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
    r.Line("    = ", Full(*sizing.F), " 1/in, shown ", FormatRounded(*sizing.F, 3));
  }
  switch (sizing.error) {
    case SizingError::CorrosionNotPositive:
    case SizingError::StressNotPositive:
    case SizingError::EfficiencyNotPositive:
    case SizingError::FactorOutOfRange:
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
  if (size.error == SizingError::FBeyondTable) {
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
  if (size.error == SizingError::VolumeNotPositive) {
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
  r.Line("  Dlo = ", Full(lo.A), " x ", Full(V), "^", Full(lo.B), " x 25.4 x 12 = ", Mm(size.Dlo),
         " mm");
  r.Line("  Dhi = ", Full(hi.A), " x ", Full(V), "^", Full(hi.B), " x 25.4 x 12 = ", Mm(size.Dhi),
         " mm");
  r.Line();
  r.Line("Diameter, linear in F between the two rows");
  r.Line("  D = Dlo + (F - Ft", loRow, ") x ((Dhi - Dlo) / (Ft", hiRow, " - Ft", loRow, "))");
  r.Line("    = ", Mm(size.Dlo), " + (", Full(F), " - ", Full(lo.Ft), ") x ((", Mm(size.Dhi), " - ",
         Mm(size.Dlo), ") / (", Full(hi.Ft), " - ", Full(lo.Ft), "))");
  r.Line("    = ", Mm(size.D), " mm, shown ", FormatRounded(size.D, 0));
  if (size.error == SizingError::DiameterNotPositive) {
    r.Refused(size.error);
    return false;
  }
  return true;
}

void LengthSection(Record& r, double V, const VesselSize& size) {
  r.Line();
  r.Line("Length of a cylinder of that diameter that holds V");
  r.Line("  L = (4 x V / 3.28^3) / ((D / 1000)^2 x 3.14159265358979) x 1000");
  r.Line("    = (4 x ", Full(V), " / 35.287552) / (", Full(size.D / 1000),
         "^2 x 3.14159265358979) x 1000");
  r.Line("    = ", Mm(size.L), " mm, shown ", FormatRounded(size.L, 0));
  if (size.error != SizingError::None) {
    r.Refused(size.error);
    return;
  }
  r.Line("  L/D = ", LengthOverDiameterText(size));
}

}  // namespace

std::string CalculationRecord(const DesignValues& values) {
  const DesignValues& v = values;
  const Sizing sizing = SizeDesign(v.P, v.C, v.S, v.E, v.V);
  Record r;
  DesignSection(r, v);
  if (FactorSection(r, v, sizing) && RowsSection(r, *sizing.F, sizing.size) &&
      DiameterSection(r, *sizing.F, v.V, sizing.size)) {
    LengthSection(r, v.V, sizing.size);
  }
  return r.Take();
}

}  // namespace brenmor

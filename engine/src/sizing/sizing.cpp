#include "brenmor/sizing/sizing.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "design/factors.h"

namespace brenmor {

namespace {

constexpr std::array<SizingRow, 13> kTable = {{
    {0.0, 1.09, 0.331},
    {0.01, 1.094, 0.299},
    {0.02, 1.084, 0.284},
    {0.05, 1.005, 0.272},
    {0.1, 0.922, 0.266},
    {0.2, 0.831, 0.259},
    {0.4, 0.722, 0.258},
    {0.6, 0.688, 0.253},
    {0.8, 0.618, 0.256},
    {1.0, 0.583, 0.255},
    {1.5, 0.533, 0.251},
    {2.0, 0.487, 0.255},
    {3.0, 0.444, 0.255},
}};

// The breakpoints that end a segment (rows 2 to 13), side by side, so that
// F is compared with all of them at once.
constexpr std::array<double, kTable.size() - 1> kSegmentEnds = [] {
  std::array<double, kTable.size() - 1> ends{};
  for (std::size_t i = 1; i < kTable.size(); ++i) ends[i - 1] = kTable[i].Ft;
  return ends;
}();

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsFinite(double x) { return std::isfinite(x); }

// Diameter in mm at one breakpoint, left to right: A * V^B * 25.4 * 12.
double RowDiameter(const SizingRow& row, double V) {
  return row.A * std::pow(V, row.B) * kMmPerInch * kInchesPerFoot;
}

}  // namespace

const std::array<SizingRow, 13> SizingTable = kTable;

std::optional<double> CalcF(double P, double C, double S, double E) {
  const double CS = C * S;
  const double divisor = CS * E;
  if (!IsFinite(CS) || !IsFinite(divisor) || divisor == 0) return std::nullopt;
  const double F = P / divisor;
  if (!IsFinite(F)) return std::nullopt;
  return F;
}

double CylinderLength(double V, double D) {
  const double metres = D / kMmPerMetre;
  return ((4 * V) / kCubicFeetPerCubicMetre) / (metres * metres * kSizingPi) * kMmPerMetre;
}

VesselSize SizeVessel(double F, double V) {
  // The first breakpoint not below F ends the segment, and F <= 0.01 always
  // takes the first one. The breakpoints rise, so it comes right after those
  // that F passes; counting them needs no branch.
  std::size_t i = 1;
  for (const double end : kSegmentEnds) i += !(F <= end) ? 1 : 0;
  if (i == SizingTable.size()) {
    return {V > 0 ? ProblemKind::FBeyondTable : ProblemKind::VolumeNotPositive};
  }

  const SizingRow& lo = SizingTable[i - 1];
  const SizingRow& hi = SizingTable[i];
  const double Dlo = RowDiameter(lo, V);
  const double Dhi = RowDiameter(hi, V);
  const double D = Dlo + (F - lo.Ft) * ((Dhi - Dlo) / (hi.Ft - lo.Ft));
  const double L = CylinderLength(V, D);
  VesselSize size{ProblemKind::None, D, L, static_cast<int>(i) + 1, Dlo, Dhi};

  // One test for the common case, so that the checks stay off the critical
  // path: a positive finite L has a finite D, and V <= 0 never passes, as
  // its powers are 0 or not a number.
  if (D > 0 && L > 0 && L < kInfinity) return size;
  if (!(V > 0)) {
    size.error = ProblemKind::VolumeNotPositive;
  } else if (IsFinite(D) && !(D > 0)) {
    size.error = ProblemKind::DiameterNotPositive;
  } else {
    size.error = ProblemKind::SizeOutOfRange;
  }
  return size;
}

Sizing SizeDesign(double P, double C, double S, double E, double V) {
  Sizing sizing;
  sizing.F = CalcF(P, C, S, E);
  if (!(C > 0)) {
    sizing.error = ProblemKind::CorrosionNotPositive;
  } else if (!(S > 0)) {
    sizing.error = ProblemKind::StressNotPositive;
  } else if (!(E > 0)) {
    sizing.error = ProblemKind::EfficiencyNotPositive;
  } else if (!sizing.F) {
    sizing.error = ProblemKind::FactorOutOfRange;
  } else {
    sizing.size = SizeVessel(*sizing.F, V);
    sizing.error = sizing.size.error;
  }
  return sizing;
}

}  // namespace brenmor

#include "brenmor/sizing.h"

#include <cmath>
#include <cstddef>

#include "factors.h"

namespace brenmor {

const std::array<SizingRow, 13> SizingTable = {{
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

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kMmPerMetre = 1000;
// Not the full double pi: the sizes are defined with this one.
constexpr double kPi = 3.14159265358979;

bool IsFinite(double x) { return std::isfinite(x); }

// Diameter in mm at one breakpoint, left to right: A * V^B * 25.4 * 12.
double RowDiameter(const SizingRow& row, double V) {
  return row.A * std::pow(V, row.B) * kMmPerInch * kInchesPerFoot;
}

}  // namespace

std::optional<double> CalcF(double P, double C, double S, double E) {
  const double CS = C * S;
  const double divisor = CS * E;
  if (!IsFinite(CS) || !IsFinite(divisor) || divisor == 0) return std::nullopt;
  const double F = P / divisor;
  if (!IsFinite(F)) return std::nullopt;
  return F;
}

VesselSize SizeVessel(double F, double V) {
  if (!(V > 0)) return {SizingError::VolumeNotPositive};
  // The first breakpoint not below F ends the segment; F <= 0.01 always
  // takes the first one.
  std::size_t i = 1;
  while (i < SizingTable.size() && !(F <= SizingTable[i].Ft)) ++i;
  if (i == SizingTable.size()) return {SizingError::FBeyondTable};

  const SizingRow& lo = SizingTable[i - 1];
  const SizingRow& hi = SizingTable[i];
  const double Dlo = RowDiameter(lo, V);
  const double Dhi = RowDiameter(hi, V);
  const double D = Dlo + (F - lo.Ft) * ((Dhi - Dlo) / (hi.Ft - lo.Ft));
  const double metres = D / kMmPerMetre;
  const double L = ((4 * V) / kCubicFeetPerCubicMetre) / (metres * metres * kPi) * kMmPerMetre;
  VesselSize size{SizingError::None, D, L, static_cast<int>(i) + 1, Dlo, Dhi};

  // One test for the common case, so the checks stay off the critical path.
  if (D > 0 && L > 0 && IsFinite(D) && IsFinite(L)) return size;
  if (IsFinite(D) && !(D > 0)) {
    size.error = SizingError::DiameterNotPositive;
  } else {
    size.error = SizingError::SizeOutOfRange;
  }
  return size;
}

Sizing SizeDesign(double P, double C, double S, double E, double V) {
  Sizing sizing;
  sizing.F = CalcF(P, C, S, E);
  if (!(C > 0)) {
    sizing.error = SizingError::CorrosionNotPositive;
  } else if (!(S > 0)) {
    sizing.error = SizingError::StressNotPositive;
  } else if (!(E > 0)) {
    sizing.error = SizingError::EfficiencyNotPositive;
  } else if (!sizing.F) {
    sizing.error = SizingError::FactorOutOfRange;
  } else {
    sizing.size = SizeVessel(*sizing.F, V);
    sizing.error = sizing.size.error;
  }
  return sizing;
}

}  // namespace brenmor

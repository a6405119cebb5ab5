// The wall's fixed numbers, shared by the arithmetic and the record that
// writes them out, so that the two cannot disagree.
#pragma once

#include <numbers>

namespace brenmor {

// The code's thin-wall formulas for internal pressure, and where they end.
inline constexpr double kHoopPressureShare = 0.6;             // t1 = P R / (S E - 0.6 P)
inline constexpr double kLongitudinalPressureShare = 0.4;     // t2 = P R / (2 S E + 0.4 P)
inline constexpr double kHeadPressureShare = 0.2;             // heads: 2 S E - 0.2 P
inline constexpr double kShellPressureLimit = 0.385;          // P <= 0.385 S E
inline constexpr double kHemisphericalPressureLimit = 0.665;  // P <= 0.665 S E
// A flanged and dished head: t = 0.885 P L / (S E - 0.1 P), L its crown
// radius; below t / L = 0.002 its knuckle needs the code's further check.
inline constexpr double kCrownFactor = 0.885;
inline constexpr double kCrownPressureShare = 0.1;
inline constexpr double kThinKnuckle = 0.002;
// The hydrostatic test: 1.3 times the MAWP, the stress ratio taken as 1.
inline constexpr double kTestPressureFactor = 1.3;
// The code's least plate, corrosion allowance excluded, in.
inline constexpr double kLeastPlate = 1.0 / 16;

// A 2:1 head's surface per diameter squared: half an oblate spheroid of
// axis ratio 2.
inline constexpr double kEllipsoidalHeadArea = 1.08399;
// The weights take the full pi; the correlation's length keeps its own.
inline constexpr double kWeightPi = std::numbers::pi;
inline constexpr double kWaterDensity = 1000;  // kg/m^3
inline constexpr double kKgPerPound = 0.45359237;

}  // namespace brenmor

// Conversion factors shared by the unit conversion and the sizing.
#pragma once

#include <cmath>

namespace brenmor {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kInchesPerFoot = 12;
inline constexpr double kMmPerMetre = 1000;
// Cubic feet per cubic metre: 3.28 ft/m (not 3.2808) cubed as a
// floating-point power, as the correlation's sizes were worked out.
inline constexpr double kFeetPerMetre = 3.28;
inline const double kCubicFeetPerCubicMetre = std::pow(kFeetPerMetre, 3);
// Not the full double pi: the correlation's lengths are defined with this one.
inline constexpr double kSizingPi = 3.14159265358979;

}  // namespace brenmor

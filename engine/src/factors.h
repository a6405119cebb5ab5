// Conversion factors shared by the unit conversion and the sizing.
#pragma once

#include <cmath>

namespace brenmor {

inline constexpr double kMmPerInch = 25.4;
// Cubic feet per cubic metre: 3.28 ft/m (not 3.2808) cubed as a
// floating-point power, as the correlation's sizes were worked out.
inline const double kCubicFeetPerCubicMetre = std::pow(3.28, 3);

}  // namespace brenmor

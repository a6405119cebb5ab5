#include "brenmor/design/units.h"

#include <algorithm>
#include <cctype>

#include "brenmor/numbers/number_text.h"
#include "design/factors.h"

namespace brenmor {
namespace {

constexpr double kPsiPerAtm = 14.696;
constexpr double kBarPerAtm = 1.01325;

// Unit positions on the fields' lists.
enum PressureUnit { kPsi, kBar, kAtm };
enum LengthUnit { kInch, kMm };
enum VolumeUnit { kCubicFoot, kCubicMetre };

double PressureToPsi(int unit, double x) {
  switch (unit) {
    case kBar:
      return x * kPsiPerAtm / kBarPerAtm;
    case kAtm:
      return RoundTo(x * kPsiPerAtm, 3);
    default:
      return x;
  }
}

double LengthToInches(int unit, double x) { return unit == kMm ? x / kMmPerInch : x; }

double VolumeToCubicFeet(int unit, double x) {
  return unit == kCubicMetre ? x * kCubicFeetPerCubicMetre : x;
}

}  // namespace

std::span<const std::string_view> UnitNames(Field field) { return Info(field).units; }

std::optional<int> UnitPosition(Field field, std::string_view name) {
  const std::span<const std::string_view> names = UnitNames(field);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualIgnoringCase(names[i], name)) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

std::optional<double> ConvertToBase(Field field, int unit, std::string_view text) {
  if (unit < 0 || static_cast<std::size_t>(unit) >= UnitNames(field).size()) return std::nullopt;
  return ToBase(field, unit, ParseValue(text));
}

double ToBase(Field field, int unit, double x) {
  switch (field) {
    case Field::P:
    case Field::S:
      return PressureToPsi(unit, x);
    case Field::C:
      return LengthToInches(unit, x);
    case Field::V:
      return VolumeToCubicFeet(unit, x);
    case Field::E:
      break;
  }
  return x;
}

std::string DisplayText(Field field, double value) {
  return FormatRounded(value, Info(field).decimals);
}

}  // namespace brenmor

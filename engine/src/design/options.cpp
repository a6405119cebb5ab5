#include "brenmor/design/options.h"

#include <cmath>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

template <class Option, std::size_t N>
std::optional<Option> Named(const std::array<Option, N>& all, std::string_view name) {
  for (const Option option : all) {
    if (EqualIgnoringCase(name, Name(option))) return option;
  }
  return std::nullopt;
}

template <class Option, std::size_t N>
std::optional<Option> At(const std::array<Option, N>& all, int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= N) return std::nullopt;
  return all[static_cast<std::size_t>(position)];
}

}  // namespace

std::string_view Name(HeadKind head) {
  switch (head) {
    case HeadKind::Ellipsoidal:
      return "ellipsoidal";
    case HeadKind::Hemispherical:
      return "hemispherical";
    case HeadKind::Torispherical:
      break;
  }
  return "torispherical";
}
std::string_view Caption(HeadKind head) {
  switch (head) {
    case HeadKind::Ellipsoidal:
      return "2:1 ellipsoidal";
    case HeadKind::Hemispherical:
      return "hemispherical";
    case HeadKind::Torispherical:
      break;
  }
  return "torispherical (F&D)";
}
std::string_view Name(Orientation orientation) {
  return orientation == Orientation::Vertical ? "vertical" : "horizontal";
}
std::string_view Caption(Orientation orientation) { return Name(orientation); }
std::string_view Name(PlateStep step) { return step == PlateStep::Sixteenth ? "1/16in" : "1mm"; }
std::string_view Caption(PlateStep step) {
  return step == PlateStep::Sixteenth ? "1/16 in" : "1 mm";
}

std::optional<HeadKind> HeadKindNamed(std::string_view name) { return Named(kHeadKinds, name); }
std::optional<PlateStep> PlateStepNamed(std::string_view name) { return Named(kPlateSteps, name); }
std::optional<Orientation> OrientationNamed(std::string_view name) {
  return Named(kOrientations, name);
}
std::optional<HeadKind> HeadKindAt(int position) { return At(kHeadKinds, position); }
std::optional<PlateStep> PlateStepAt(int position) { return At(kPlateSteps, position); }
std::optional<Orientation> OrientationAt(int position) { return At(kOrientations, position); }
int PositionOf(HeadKind head) { return static_cast<int>(head); }
int PositionOf(PlateStep step) { return static_cast<int>(step); }
int PositionOf(Orientation orientation) { return static_cast<int>(orientation); }

bool IsPositive(double number) { return number > 0 && std::isfinite(number); }

}  // namespace brenmor

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
  return head == HeadKind::Ellipsoidal ? "ellipsoidal" : "hemispherical";
}
std::string_view Caption(HeadKind head) {
  return head == HeadKind::Ellipsoidal ? "2:1 ellipsoidal" : "hemispherical";
}
std::string_view Name(PlateStep step) { return step == PlateStep::Sixteenth ? "1/16in" : "1mm"; }
std::string_view Caption(PlateStep step) {
  return step == PlateStep::Sixteenth ? "1/16 in" : "1 mm";
}

std::optional<HeadKind> HeadKindNamed(std::string_view name) { return Named(kHeadKinds, name); }
std::optional<PlateStep> PlateStepNamed(std::string_view name) { return Named(kPlateSteps, name); }
std::optional<HeadKind> HeadKindAt(int position) { return At(kHeadKinds, position); }
std::optional<PlateStep> PlateStepAt(int position) { return At(kPlateSteps, position); }
int PositionOf(HeadKind head) { return static_cast<int>(head); }
int PositionOf(PlateStep step) { return static_cast<int>(step); }

bool IsDensity(double kgPerCubicMetre) {
  return kgPerCubicMetre > 0 && std::isfinite(kgPerCubicMetre);
}

}  // namespace brenmor

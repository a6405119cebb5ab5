// The choices that finish a design beyond its five values: the heads, the
// plate step and the plate's density. The form's panel, a list's head
// column and the command line's options name them alike.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace brenmor {

// The two ends, both alike.
enum class HeadKind {
  Ellipsoidal,    // 2:1 ellipsoidal, the usual head
  Hemispherical,  // half a sphere: thinner, deeper, dearer to form
  Torispherical,  // flanged and dished: the cheapest, for low pressures
};

// The step to which a thickness is rounded up: the plates one can buy.
enum class PlateStep {
  Sixteenth,   // 1/16 in
  Millimetre,  // 1 mm
};

// How the vessel stands, which its platforms and ladders and its cost follow.
enum class Orientation { Vertical, Horizontal };

// The Chemical Engineering plant cost index the purchase costs are taken at.
inline constexpr double kCostIndexBase = 567;

struct DesignOptions {
  HeadKind head = HeadKind::Ellipsoidal;
  PlateStep step = PlateStep::Sixteenth;
  double density = 7850;  // kg/m^3: carbon steel
  Orientation orientation = Orientation::Vertical;
  double costIndex = kCostIndexBase;
  double materialFactor = 1;  // carbon steel; 2.1 for 316 stainless

  bool operator==(const DesignOptions&) const = default;
};

// The name a list or a command line gives an option ("ellipsoidal",
// "1/16in"), and the words a person reads ("2:1 ellipsoidal", "1/16 in").
inline constexpr std::array<HeadKind, 3> kHeadKinds = {
    HeadKind::Ellipsoidal, HeadKind::Hemispherical, HeadKind::Torispherical};
inline constexpr std::array<PlateStep, 2> kPlateSteps = {PlateStep::Sixteenth,
                                                         PlateStep::Millimetre};
inline constexpr std::array<Orientation, 2> kOrientations = {Orientation::Vertical,
                                                             Orientation::Horizontal};
std::string_view Name(HeadKind head);
std::string_view Caption(HeadKind head);
std::string_view Name(PlateStep step);
std::string_view Caption(PlateStep step);
std::string_view Name(Orientation orientation);
std::string_view Caption(Orientation orientation);
// The option of that name, in any case; nothing when there is none.
std::optional<HeadKind> HeadKindNamed(std::string_view name);
std::optional<PlateStep> PlateStepNamed(std::string_view name);
std::optional<Orientation> OrientationNamed(std::string_view name);
// The option at that position of its list; nothing off the list.
std::optional<HeadKind> HeadKindAt(int position);
std::optional<PlateStep> PlateStepAt(int position);
std::optional<Orientation> OrientationAt(int position);
int PositionOf(HeadKind head);
int PositionOf(PlateStep step);
int PositionOf(Orientation orientation);

// Whether a density (kg/m^3), a cost index or a material factor can be
// taken: a finite number above 0.
bool IsPositive(double number);

}  // namespace brenmor

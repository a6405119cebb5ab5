// The wall and the weight of a sized vessel: what the correlation's
// optimum minimises, and what an engineer needs next for the cost estimate,
// the vendor enquiry and the foundations. The shell and heads are the
// pressure-vessel code's thin-wall formulas for internal pressure; the weight
// counts the shell and two heads only. It also finds the diameter of least
// weight for the same volume, to show how flat the bottom of the curve is.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenmor {

struct DesignValues;
struct VesselSize;

// The two ends, both alike.
enum class HeadKind {
  Ellipsoidal,    // 2:1 ellipsoidal, the usual head
  Hemispherical,  // half a sphere: thinner, deeper, dearer to form
};

// The step to which a thickness is rounded up: the plates one can buy.
enum class PlateStep {
  Sixteenth,   // 1/16 in
  Millimetre,  // 1 mm
};

struct WallOptions {
  HeadKind head = HeadKind::Ellipsoidal;
  PlateStep step = PlateStep::Sixteenth;
  double density = 7850;  // kg/m^3: carbon steel
};

// The name a list or a command line gives an option ("ellipsoidal",
// "1/16in"), and the words a person reads ("2:1 ellipsoidal", "1/16 in").
inline constexpr std::array<HeadKind, 2> kHeadKinds = {HeadKind::Ellipsoidal,
                                                       HeadKind::Hemispherical};
inline constexpr std::array<PlateStep, 2> kPlateSteps = {PlateStep::Sixteenth,
                                                         PlateStep::Millimetre};
std::string_view Name(HeadKind head);
std::string_view Caption(HeadKind head);
std::string_view Name(PlateStep step);
std::string_view Caption(PlateStep step);
// The kind or step of that name, in any case; nothing when there is none.
std::optional<HeadKind> HeadKindNamed(std::string_view name);
std::optional<PlateStep> PlateStepNamed(std::string_view name);

// Why the wall was not worked out. D and L stay sized either way.
enum class WallError {
  None,                 // worked out
  NotSized,             // the vessel has no diameter and length to build on
  Vacuum,               // P < 0: the internal-pressure formulas do not apply
  ShellPressureLimit,   // P > 0.385 S E: beyond the shell's thin-wall formulas
  ShellThicknessLimit,  // the shell's t > R / 2: likewise. A hemispherical
                        // head's own limit, P <= 0.665 S E, is then always met
  DensityNotPositive,   // the density is not a positive number
  WeightOutOfRange,     // a weight is beyond the double range
};

// One plate's thickness, in inches.
struct Plate {
  double formula = 0;   // the code formula's t (for the shell, the larger of two)
  double required = 0;  // that, or the least plate of 1/16 in when it is more
  double minimum = 0;   // required plus the corrosion allowance
  double nominal = 0;   // the minimum rounded up to the plate step
};

struct Wall {
  WallError error = WallError::NotSized;
  WallOptions options;
  double radius = 0;        // R = D / 2 + C, the corroded inside radius, in
  double hoop = 0;          // t1 = P R / (S E - 0.6 P), in
  double longitudinal = 0;  // t2 = P R / (2 S E + 0.4 P), in
  Plate shell;
  Plate head;
  double shellKg = 0;  // the shell at its nominal thickness
  double headKg = 0;   // one head at its nominal thickness
  double emptyKg = 0;  // the shell and two heads
  double waterKg = 0;  // empty, plus the volume full of water
  // The diameter of least weight for the same V, P, C, S, E and heads, to
  // 0.1 mm, and the weights there and here, both at minimum thicknesses so
  // that the curve is smooth and plate rounding does not count.
  double leastD = 0;    // mm
  double leastKg = 0;   // at leastD
  double designKg = 0;  // at the design's D
};

// The wall of the vessel of committed P (psi), C (in), S (psi) and E, sized
// to D and L (mm) for the volume V (ft^3); NotSized when `size` is refused.
Wall WallOf(const DesignValues& values, const VesselSize& size, const WallOptions& options = {});

// The wall of committed values, sized here as Calculate sizes them.
Wall WallOf(const DesignValues& values, const WallOptions& options = {});

// Empty weight, kg, of the vessel of that design at diameter `D` (mm), with
// its length taken from V and minimum thicknesses: the curve whose bottom
// is leastD.
double MinimumThicknessWeight(const DesignValues& values, const WallOptions& options, double D);

// The empty weight at minimum thicknesses from 0.5 to 2 times leastD, at
// `count` evenly spaced diameters: {D mm, kg}. Empty unless worked out.
struct WeightPoint {
  double D = 0;
  double kg = 0;
};
std::vector<WeightPoint> WeightCurve(const DesignValues& values, const Wall& wall, int count = 41);

// The design's weight as a percentage of the least weight: 100.25 means a
// quarter of a percent heavier than it need be.
double PercentOfLeast(const Wall& wall);
// That to 2 decimals, as shown; empty unless the wall was worked out.
std::string PercentOfLeastText(const Wall& wall);

// The wall's results as every front end names and shows them.
enum class WallResult {
  ShellThickness,  // nominal, mm to 1 decimal
  HeadThickness,   // nominal, mm to 1 decimal
  EmptyWeight,     // kg, whole
  WaterWeight,     // kg, whole
  LeastWeightD,    // the diameter of least weight, mm, whole
};
inline constexpr std::array<WallResult, 5> kWallResults = {
    WallResult::ShellThickness, WallResult::HeadThickness, WallResult::EmptyWeight,
    WallResult::WaterWeight, WallResult::LeastWeightD};

struct WallResultInfo {
  std::string_view name;     // "t_shell_mm": a list's column and the JSON field
  std::string_view caption;  // "Shell thickness"
  std::string_view unit;     // "mm"
  std::string_view help;     // what it is, for a tooltip or a screen reader
};
const WallResultInfo& Info(WallResult result);

// The column and JSON field that hold a refused wall's message.
inline constexpr std::string_view kWallMessageName = "wall_message";

// The wall as every front end shows it: thicknesses in mm to 1 decimal,
// weights in whole kg and the diameter of least weight in whole mm; all
// empty, and the message set, when refused.
struct WallTexts {
  std::array<std::string, kWallResults.size()> shown;  // by WallResult
  std::string message;  // why the wall was refused; empty when worked out or not sized

  const std::string& operator[](WallResult result) const {
    return shown[static_cast<std::size_t>(result)];
  }
};
WallTexts TextsOf(const Wall& wall);

// A result as a panel shows it, its unit after it ("20.6 mm"); empty when
// the wall was not worked out.
std::string WithUnit(const WallTexts& texts, WallResult result);

// Whether a density, kg/m^3, can weigh a vessel: a finite number above 0.
bool IsDensity(double kgPerCubicMetre);

// Why `text` names no head kind or plate step: "dished is not ellipsoidal or
// hemispherical".
std::string HeadKindProblem(std::string_view text);
std::string PlateStepProblem(std::string_view text);

// A short message for the user on a refused wall; empty for None and
// NotSized, whose refusal the sizing has already given.
std::string Message(WallError error);

}  // namespace brenmor

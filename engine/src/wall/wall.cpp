#include "brenmor/wall/wall.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "design/factors.h"
#include "design/wall_constants.h"

namespace brenmor {
namespace {

// Two thicknesses within this fraction of a step of a whole step are that
// step: 3 mm converted to inches and back must not round up to 4 mm.
constexpr double kStepSlack = 1e-9;
constexpr double kLeastDTolerance = 0.1;  // mm

double StepInches(PlateStep step) {
  return step == PlateStep::Sixteenth ? kLeastPlate : 1 / kMmPerInch;
}

double RoundUpToStep(double inches, PlateStep step) {
  const double size = StepInches(step);
  return std::ceil(inches / size - kStepSlack) * size;
}

Plate PlateOf(double formula, double C, PlateStep step) {
  Plate plate;
  plate.formula = formula;
  plate.required = std::max(formula, kLeastPlate);
  plate.minimum = plate.required + C;
  plate.nominal = RoundUpToStep(plate.minimum, step);
  return plate;
}

double Metres(double inches) { return inches * kMmPerInch / kMmPerMetre; }

// The shell and two heads of inside diameter D (mm) and shell length L (mm)
// with walls `shell` and `head` thick (in).
struct Weights {
  double shell;
  double head;  // one
};
Weights WeightsOf(const DesignOptions& o, double D, double L, double shell, double head) {
  const double d = D / kMmPerMetre;
  const double ts = Metres(shell);
  const double th = Metres(head);
  return {o.density * kWeightPi * (d + ts) * ts * (L / kMmPerMetre),
          o.density * AreaFactor(o.head) * (d + th) * (d + th) * th};
}

// Why these values may not have a wall, in the order the limits are read.
ProblemKind LimitBroken(const DesignValues& v, const DesignOptions& o, double R, double required) {
  const double SE = v.S * v.E;
  if (!IsPositive(o.density)) return ProblemKind::DensityNotPositive;
  if (v.P < 0) return ProblemKind::Vacuum;
  if (v.P > kShellPressureLimit * SE) return ProblemKind::ShellPressureLimit;
  if (required > R / 2) return ProblemKind::ShellThicknessLimit;
  return ProblemKind::None;
}

// What the plates as built may hold: each formula turned round on its
// corroded nominal thickness; the least is the MAWP.
void Rate(Wall& wall, const DesignValues& v) {
  const double SE = v.S * v.E;
  const double R = wall.radius;
  const double shell = wall.shell.nominal - v.C;
  wall.hoopPressure = SE * shell / (R + kHoopPressureShare * shell);
  wall.longitudinalPressure = 2 * SE * shell / (R - kLongitudinalPressureShare * shell);
  wall.headPressure = HeadPressure(wall.options.head, SE, wall.head.nominal - v.C, R);
  wall.mawp = std::min({wall.hoopPressure, wall.longitudinalPressure, wall.headPressure});
  wall.testPressure = kTestPressureFactor * wall.mawp;
}

}  // namespace

MinimumWeight::MinimumWeight(const DesignValues& v, const DesignOptions& o)
    : c_(v.C * kMmPerInch),
      shellRatio_(v.P / (v.S * v.E - kHoopPressureShare * v.P)),
      headRatio_(HeadThickness(o.head, v.P, v.S * v.E, 1)),
      lengthTimesSquare_(CylinderLength(v.V, 1)),
      headArea_(AreaFactor(o.head)),
      kgPerCubicMm_(o.density / (kMmPerMetre * kMmPerMetre * kMmPerMetre)) {}

MinimumWeight::Point MinimumWeight::At(double x) const {
  const double R = x / 2 + c_;
  const Wall1 shell = WallAt(shellRatio_, R);
  const Wall1 head = WallAt(headRatio_, R);
  // The shell: (x + ts) ts / x^2 times pi K.
  const double a = x + shell.t;
  const double n = a * shell.t;
  const double n1 = (1 + shell.slope) * shell.t + a * shell.slope;
  const double n2 = 2 * shell.slope * (1 + shell.slope);
  const double inv = 1 / x;
  const double inv2 = inv * inv;
  const double shellK = kWeightPi * lengthTimesSquare_;
  // Two heads: (x + th)^2 th times 2 k.
  const double b = x + head.t;
  const double b1 = 1 + head.slope;
  const double headK = 2 * headArea_;
  return {kgPerCubicMm_ * (shellK * n * inv2 + headK * b * b * head.t),
          kgPerCubicMm_ * (shellK * (n1 * inv2 - 2 * n * inv2 * inv) +
                           headK * (2 * b * b1 * head.t + b * b * head.slope)),
          kgPerCubicMm_ * (shellK * (n2 * inv2 - 4 * n1 * inv2 * inv + 6 * n * inv2 * inv2) +
                           headK * (2 * b1 * b1 * head.t + 4 * b * b1 * head.slope))};
}

MinimumWeight::Wall1 MinimumWeight::WallAt(double ratio, double R) const {
  const double formula = ratio * R;
  const double least = kLeastPlate * kMmPerInch;
  return formula > least ? Wall1{formula + c_, ratio / 2} : Wall1{least + c_, 0};
}

double MinimumThicknessWeight(const DesignValues& v, const DesignOptions& o, double D) {
  return MinimumWeight(v, o).At(D).kg;
}

Wall WallOf(const DesignValues& v, const VesselSize& size, const DesignOptions& options) {
  Wall wall;
  wall.options = options;
  if (size.error != ProblemKind::None) return wall;
  const double SE = v.S * v.E;
  wall.radius = size.D / kMmPerInch / 2 + v.C;
  wall.hoop = v.P * wall.radius / (SE - kHoopPressureShare * v.P);
  wall.longitudinal = v.P * wall.radius / (2 * SE + kLongitudinalPressureShare * v.P);
  wall.shell = PlateOf(std::max(wall.hoop, wall.longitudinal), v.C, options.step);
  wall.head = PlateOf(HeadThickness(options.head, v.P, SE, wall.radius), v.C, options.step);
  wall.thinKnuckle = options.head == HeadKind::Torispherical &&
                     wall.head.formula / (2 * wall.radius) < kThinKnuckle;
  wall.error = LimitBroken(v, options, wall.radius, wall.shell.required);
  if (wall.error != ProblemKind::None) return wall;

  const Weights w = WeightsOf(options, size.D, size.L, wall.shell.nominal, wall.head.nominal);
  wall.shellKg = w.shell;
  wall.headKg = w.head;
  wall.emptyKg = w.shell + 2 * w.head;
  const double metres = size.D / kMmPerMetre;
  wall.waterM3 =
      v.V / kCubicFeetPerCubicMetre + 2 * VolumeFactor(options.head) * metres * metres * metres;
  wall.waterKg = wall.emptyKg + kWaterDensity * wall.waterM3;
  if (!std::isfinite(wall.waterKg)) {
    wall.error = ProblemKind::WeightOutOfRange;
    return wall;
  }
  Rate(wall, v);
  const MinimumWeight model(v, options);
  wall.leastD = LeastOf(model, size.D, kLeastDTolerance);
  wall.leastKg = model.At(wall.leastD).kg;
  wall.designKg = model.At(size.D).kg;
  return wall;
}

std::vector<WeightPoint> WeightCurve(const DesignValues& values, const Wall& wall, int count) {
  std::vector<WeightPoint> curve;
  if (wall.error != ProblemKind::None || count < 2) return curve;
  const double from = wall.leastD / 2;
  const double to = wall.leastD * 2;
  const MinimumWeight model(values, wall.options);
  for (int i = 0; i < count; ++i) {
    const double D = from + (to - from) * i / (count - 1);
    curve.push_back({D, model.At(D).kg});
  }
  return curve;
}

double PercentOfLeast(const Wall& wall) { return wall.designKg / wall.leastKg * 100; }

}  // namespace brenmor

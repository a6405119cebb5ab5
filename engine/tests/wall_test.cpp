#include "brenmor/wall/wall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "brenmor/calculation/calculation.h"
#include "brenmor/presentation/record.h"
#include "case_name.h"

namespace brenmor {
namespace {

// The design worked out as every front end works it out.
Calculation CalculationOf(const DesignValues& v, const DesignOptions& options = {}) {
  return Calculate(InBaseUnits(v), options);
}
Wall WallFor(const DesignValues& v, const DesignOptions& options = {}) {
  return CalculationOf(v, options).wall;
}

// The wall's figures as shown: thicknesses, weights, diameter of least weight.
constexpr std::array<Figure, 5> kWallFigures = {Figure::ShellThickness, Figure::HeadThickness,
                                                Figure::EmptyWeight, Figure::WaterWeight,
                                                Figure::LeastWeightD};
std::array<std::string, 5> WallTexts(const Calculation& c) {
  std::array<std::string, 5> shown;
  for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = c.Text(kWallFigures[i]);
  return shown;
}

struct HandbookCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const HandbookCase& c) { return os << c.name; }
  double P;
  HeadKind head;
  std::array<std::string, 5> expected;
  const char* percentOfLeast;
};

class HandbookTest : public testing::TestWithParam<HandbookCase> {};

// The handbook's optimum-vessel example: 1,500 ft^3, C = 0.125 in and
// S E = 17,000 psi. The 300 psig shell was worked by hand: R = 36.536 in,
// t1 = 0.652 in, 0.777 in with C, 13/16 in of plate; 15058.2 kg of shell and
// 614.3 kg a head. Full of water, the whole vessel: the cylinder's V plus
// two heads of pi D^3 / 24 (or / 12) at D = 1849.70 mm, redone by hand,
// 54034, 60452 and 61966 kg, where the cylinder alone gave 2.8 % less.
TEST_P(HandbookTest, GivesTheWallAndWeight) {
  const HandbookCase& c = GetParam();
  DesignOptions options;
  options.head = c.head;
  const Calculation calc = CalculationOf({c.P, 0.125, 17000, 1, 1500}, options);
  ASSERT_EQ(calc.wall.error, ProblemKind::None);
  EXPECT_EQ(WallTexts(calc), c.expected);
  EXPECT_EQ(calc.MessageOf(Group::Wall), "");
  EXPECT_EQ(FormatFixed(PercentOfLeast(calc.wall), 2), c.percentOfLeast);
}

INSTANTIATE_TEST_SUITE_P(, HandbookTest,
                         testing::Values(HandbookCase{"Ellipsoidal150",
                                                      150,
                                                      HeadKind::Ellipsoidal,
                                                      {"12.7", "12.7", "9008", "54034", "1976"},
                                                      "100.26"},
                                         HandbookCase{"Ellipsoidal300",
                                                      300,
                                                      HeadKind::Ellipsoidal,
                                                      {"20.6", "20.6", "16287", "60452", "1701"},
                                                      "100.24"},
                                         HandbookCase{"Hemispherical300",
                                                      300,
                                                      HeadKind::Hemispherical,
                                                      {"20.6", "12.7", "16145", "61966", "1800"},
                                                      "100.02"}),
                         CaseName());

// Over the correlation's range: F from 0 to 3 and V from 10 to 100,000 ft^3.
TEST(LeastWeightTest, IsATrueMinimumAndNeverAboveTheDesign) {
  int worked = 0;
  for (double F = 0; F <= 3; F += 0.05) {
    for (double V = 10; V <= 100000; V *= 1.5) {
      for (const HeadKind head : kHeadKinds) {
        const DesignValues v{F * 0.125 * 17000, 0.125, 17000, 1, V};
        DesignOptions options;
        options.head = head;
        const Wall wall = WallFor(v, options);
        const std::string where = "F " + std::to_string(F) + ", V " + std::to_string(V);
        if (wall.error != ProblemKind::None) {
          EXPECT_EQ(wall.error, ProblemKind::ShellPressureLimit) << where;
          continue;
        }
        ++worked;
        const auto weight = [&](double D) { return MinimumThicknessWeight(v, options, D); };
        EXPECT_LT(wall.leastKg, weight(wall.leastD - 0.1)) << where;
        EXPECT_LT(wall.leastKg, weight(wall.leastD + 0.1)) << where;
        EXPECT_LE(wall.leastKg, wall.designKg) << where;
        EXPECT_GE(PercentOfLeast(wall), 100) << where;
        EXPECT_LE(wall.shell.minimum, wall.shell.nominal) << where;
        EXPECT_LT(wall.shell.nominal - wall.shell.minimum, 1.0 / 16) << where;
      }
    }
  }
  EXPECT_GT(worked, 1000);
}

// The plates are rounded up, so the vessel as built holds at least P:
// every formula turned round on its corroded nominal plate gives at least
// the pressure it was worked out for. A plate the step rounds down by its
// slack (1e-9 of a step) may hold that much less.
TEST(MawpTest, IsNeverBelowTheDesignPressure) {
  int rated = 0;
  for (double F = 0; F <= 3; F += 0.05) {
    for (double V = 10; V <= 100000; V *= 1.7) {
      for (const HeadKind head : kHeadKinds) {
        for (const PlateStep step : kPlateSteps) {
          DesignOptions options;
          options.head = head;
          options.step = step;
          const DesignValues v{F * 0.125 * 17000, 0.125, 17000, 1, V};
          const Wall wall = WallFor(v, options);
          if (wall.error != ProblemKind::None) continue;
          ++rated;
          const std::string where = "F " + std::to_string(F) + ", V " + std::to_string(V) + ", " +
                                    std::string(Name(head)) + ", " + std::string(Name(step));
          EXPECT_GE(wall.mawp, v.P * (1 - 1e-9)) << where;
          EXPECT_DOUBLE_EQ(wall.testPressure, 1.3 * wall.mawp) << where;
          EXPECT_EQ(wall.mawp,
                    std::min({wall.hoopPressure, wall.longitudinalPressure, wall.headPressure}));
        }
      }
    }
  }
  EXPECT_GT(rated, 3000);
}

// The handbook's 300 psig vessel, 13/16 in plate and C = 1/8 in, redone by
// hand: 17000 x 0.6875 / (36.5364 + 0.4125) = 316.3 psi for the shell's
// hoop, 2 x 17000 x 0.6875 / (73.0728 + 0.1375) = 319.3 psi for a 2:1 head.
TEST(MawpTest, HandbookVesselByHand) {
  const Calculation calc = CalculationOf({300, 0.125, 17000, 1, 1500});
  EXPECT_EQ(calc.Text(Figure::Mawp), "316.3");
  EXPECT_EQ(calc.Text(Figure::TestPressure), "411.2");
  EXPECT_NEAR(calc.wall.headPressure, 319.3, 0.05);
}

TEST(WeightCurveTest, SpansHalfToTwiceTheLeastAndBottomsThere) {
  const DesignValues v{300, 0.125, 17000, 1, 1500};
  const Wall wall = WallFor(v);
  const std::vector<WeightPoint> curve = WeightCurve(v, wall);
  ASSERT_EQ(curve.size(), 41U);
  EXPECT_DOUBLE_EQ(curve.front().D, wall.leastD / 2);
  EXPECT_DOUBLE_EQ(curve.back().D, wall.leastD * 2);
  for (const WeightPoint& p : curve) EXPECT_GE(p.kg, wall.leastKg) << p.D;
  EXPECT_TRUE(WeightCurve(v, WallFor({-1, 0.125, 17000, 1, 1500})).empty());
}

struct LimitCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const LimitCase& c) { return os << c.name; }
  double P;
  double density;
  ProblemKind error;
  const char* message;
};

class WallLimitTest : public testing::TestWithParam<LimitCase> {};

// With S E = 1000 psi and C = 1 in. The shell's t1 = P R / (S E - 0.6 P)
// reaches R / 2 at P = S E / 2.6, just below 0.385 S E.
TEST_P(WallLimitTest, RefusesAtTheLimits) {
  const LimitCase& c = GetParam();
  DesignOptions options;
  options.density = c.density;
  const Calculation calc = CalculationOf({c.P, 1, 1000, 1, 1000}, options);
  ASSERT_EQ(calc.GetStatus(), Status::Sized) << "D and L stay sized";
  EXPECT_EQ(calc.wall.error, c.error);
  EXPECT_EQ(calc.MessageOf(Group::Wall), c.message);
  EXPECT_EQ(calc.Text(Figure::EmptyWeight).empty(), c.error != ProblemKind::None);
}

constexpr double kHalfRadiusP = 1000 / 2.6;

INSTANTIATE_TEST_SUITE_P(
    , WallLimitTest,
    testing::Values(
        LimitCase{"NoPressure", 0, 7850, ProblemKind::None, ""},
        LimitCase{"Vacuum", -1, 7850, ProblemKind::Vacuum,
                  "The wall is worked out for internal pressure only, and P is below 0"},
        LimitCase{"JustBelowHalfRadius", kHalfRadiusP*(1 - 1e-12), 7850, ProblemKind::None, ""},
        LimitCase{"JustAboveHalfRadius", kHalfRadiusP*(1 + 1e-12), 7850,
                  ProblemKind::ShellThicknessLimit,
                  "The shell's t is above R / 2, where the thin-wall shell formulas end"},
        LimitCase{"AtThePressureLimit", 385, 7850, ProblemKind::ShellThicknessLimit,
                  "The shell's t is above R / 2, where the thin-wall shell formulas end"},
        LimitCase{"AboveThePressureLimit", 385 * (1 + 1e-12), 7850, ProblemKind::ShellPressureLimit,
                  "P is above 0.385 S E, where the thin-wall shell formulas end"},
        LimitCase{"NoDensity", 100, 0, ProblemKind::DensityNotPositive,
                  "The density must be a number above 0"},
        LimitCase{"InfiniteDensity", 100, INFINITY, ProblemKind::DensityNotPositive,
                  "The density must be a number above 0"}),
    CaseName());

struct PlateCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const PlateCase& c) { return os << c.name; }
  double C;  // in, at P = 0, so the plate is the least, 1/16 in, plus C
  PlateStep step;
  const char* shown;
};

class PlateStepTest : public testing::TestWithParam<PlateCase> {};

TEST_P(PlateStepTest, RoundsUp) {
  DesignOptions options;
  options.step = GetParam().step;
  const Calculation calc = CalculationOf({0, GetParam().C, 16000, 1, 1000}, options);
  EXPECT_EQ(calc.Text(Figure::ShellThickness), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    , PlateStepTest,
    testing::Values(PlateCase{"OnASixteenth", 1.0 / 16, PlateStep::Sixteenth, "3.2"},
                    PlateCase{"AboveASixteenth", 0.07, PlateStep::Sixteenth, "4.8"},
                    PlateCase{"ToTheNextMillimetre", 1.0 / 16, PlateStep::Millimetre, "4.0"},
                    // 1/16 in plus C is 4 mm, give or take the last bit.
                    PlateCase{"OnAMillimetre", (4 - 1.5875) / 25.4, PlateStep::Millimetre, "4.0"}),
    CaseName());

// Whichever check refuses the sizing, there is no wall to work out.
TEST(WallOfTest, RefusedSizingHasNoWall) {
  for (const DesignValues& v :
       {DesignValues{100, 0, 16000, 0.8, 1000}, DesignValues{100, 0.0625, 16000, 0, 1000},
        DesignValues{4000, 0.0625, 16000, 0.8, 1000}, DesignValues{100, 0.0625, 16000, 0.8, 0}}) {
    const Calculation calc = CalculationOf(v);
    EXPECT_EQ(calc.wall.error, ProblemKind::NotSized)
        << v.C << " " << v.E << " " << v.P << " " << v.V;
    EXPECT_EQ(calc.MessageOf(Group::Wall), "");
  }
}

TEST(WallNamesTest, ReadInAnyCase) {
  EXPECT_EQ(HeadKindNamed("Hemispherical"), HeadKind::Hemispherical);
  EXPECT_EQ(HeadKindNamed("ELLIPSOIDAL"), HeadKind::Ellipsoidal);
  EXPECT_EQ(HeadKindNamed("dished"), std::nullopt);
  EXPECT_EQ(PlateStepNamed("1MM"), PlateStep::Millimetre);
  EXPECT_EQ(PlateStepNamed("1/16in"), PlateStep::Sixteenth);
  EXPECT_EQ(PlateStepNamed("2mm"), std::nullopt);
  EXPECT_EQ(Message({ProblemKind::NoSuchHead, {}, "flat"}),
            "flat is not ellipsoidal, hemispherical or torispherical");
  EXPECT_EQ(Message({ProblemKind::NoSuchPlateStep, {}, "2mm"}), "2mm is not 1/16in or 1mm");
}

// The numbers on a line of the record, in order.
std::vector<double> NumbersOn(const std::string& line) {
  static const std::regex number(R"(-?\d+(\.\d+)?(E[-+]\d+)?)");
  std::vector<double> numbers;
  for (std::sregex_iterator it(line.begin(), line.end(), number), end; it != end; ++it) {
    numbers.push_back(std::stod(it->str()));
  }
  return numbers;
}

// Each "= numbers" line of a formula, and the result on the line after it.
struct Worked {
  std::vector<double> inputs;
  double result;
  int decimals;
};
std::vector<Worked> FormulasIn(const std::string& record) {
  std::vector<std::string> lines;
  std::istringstream in(record);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::vector<Worked> formulas;
  static const std::regex result(R"(^ +=\s(-?\d+)\.?(\d*) (in|kg)$)");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::smatch m;
    if (!std::regex_match(lines[i], m, result)) continue;
    formulas.push_back({NumbersOn(lines[i - 1]), std::stod(m[1].str() + "." + m[2].str() + "0"),
                        static_cast<int>(m[2].length())});
  }
  return formulas;
}

// A checker redoing the record's sums with the numbers it prints, in the
// order it prints them: t1, t2, the head's t, the shell's and a head's
// weight.
TEST(WallRecordTest, HandNumbersAgreeToTheDigitsShown) {
  const std::string record = CalculationRecord(CalculationOf({300, 0.125, 17000, 1, 1500}));
  const std::vector<Worked> f = FormulasIn(record);
  ASSERT_EQ(f.size(), 5U) << record;
  const auto agrees = [](const Worked& w, double byHand) {
    EXPECT_NEAR(byHand, w.result, 0.5 * std::pow(10, -w.decimals)) << w.result;
  };
  const auto& t1 = f[0].inputs;  // P x R / (S x E - 0.6 x P)
  agrees(f[0], t1[0] * t1[1] / (t1[2] * t1[3] - t1[4] * t1[5]));
  const auto& t2 = f[1].inputs;  // P x R / (2 x S x E + 0.4 x P)
  agrees(f[1], t2[0] * t2[1] / (t2[2] * t2[3] * t2[4] + t2[5] * t2[6]));
  const auto& th = f[2].inputs;  // P x Dc / (2 x S x E - 0.2 x P)
  agrees(f[2], th[0] * th[1] / (th[2] * th[3] * th[4] - th[5] * th[6]));
  const auto& ws = f[3].inputs;  // rho x pi x (D + tn) x tn x L
  agrees(f[3], ws[0] * ws[1] * (ws[2] + ws[3]) * ws[4] * ws[5]);
  const auto& wh = f[4].inputs;  // rho x k x (D + tn)^2 x tn
  agrees(f[4], wh[0] * wh[1] * (wh[2] + wh[3]) * (wh[2] + wh[3]) * wh[5]);
  for (const char* line : {"  P <= 0.385 x S x E = 0.385 x 17000 x 1 = 6545 psi: 300 psi, holds",
                           "  t <= R / 2: 0.652 <= 18.2682113889077 in, holds",
                           "  empty = shell + 2 x head = 15058.2 + 2 x 614.3 = 16286.9 kg, shown "
                           "16287 kg, 35906 lb"}) {
    EXPECT_NE(record.find(std::string(line) + '\n'), std::string::npos) << line;
  }
}

TEST(WallRecordTest, SaysWhyAWallWasNotWorkedOut) {
  const std::string record = CalculationRecord(CalculationOf({-400, 0.0625, 16000, 0.8, 1000}));
  EXPECT_NE(record.find("  P >= 0: -400 psi, fails\n"), std::string::npos) << record;
  EXPECT_NE(record.find("Wall not worked out: The wall is worked out for internal pressure only"),
            std::string::npos);
  EXPECT_EQ(record.find("Empty weight"), std::string::npos);
}

}  // namespace
}  // namespace brenmor

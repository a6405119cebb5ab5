#include "brenmor/sizing/sizing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "brenmor/numbers/number_text.h"
#include "case_name.h"

namespace brenmor {
namespace {

TEST(SizingTableTest, BreakpointsRiseStrictlyFromZeroToThree) {
  EXPECT_EQ(SizingTable.front().Ft, 0.0);
  EXPECT_EQ(SizingTable.back().Ft, 3.0);
  for (std::size_t i = 1; i < SizingTable.size(); ++i) {
    EXPECT_LT(SizingTable[i - 1].Ft, SizingTable[i].Ft) << "row " << i + 1;
  }
}

TEST(CalcFTest, DividesPressureByCorrosionStressAndEfficiency) {
  EXPECT_EQ(CalcF(100, 0.0625, 16000, 0.8), 0.125);
  EXPECT_EQ(CalcF(145.03824327658526, 0.0625, 16000, 0.8), 145.03824327658526 / (1000 * 0.8));
  EXPECT_EQ(CalcF(-100, 0.0625, 16000, 0.8), -0.125);
}

TEST(CalcFTest, FailsOnZeroDivisorOrOverflow) {
  constexpr double kMax = std::numeric_limits<double>::max();
  EXPECT_EQ(CalcF(100, 0, 16000, 0.8), std::nullopt);
  EXPECT_EQ(CalcF(100, 0.0625, 0, 0.8), std::nullopt);
  EXPECT_EQ(CalcF(100, 0.0625, 16000, 0), std::nullopt);
  EXPECT_EQ(CalcF(0, 0, 0, 0), std::nullopt);
  EXPECT_EQ(CalcF(100, 1e-300, 1e-300, 1), std::nullopt) << "divisor underflows to 0";
  EXPECT_EQ(CalcF(100, kMax, 10, 1), std::nullopt) << "C * S overflows";
  EXPECT_EQ(CalcF(kMax, 0.5, 1, 1), std::nullopt) << "F overflows";
}

struct SizeCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const SizeCase& c) { return os << c.name; }
  double F;
  double V;
  const char* D;
  const char* L;
};

class SizesTest : public testing::TestWithParam<SizeCase> {};

TEST_P(SizesTest, GivesDAndL) {
  const auto& c = GetParam();
  const VesselSize size = SizeVessel(c.F, c.V);
  ASSERT_EQ(size.error, ProblemKind::None);
  EXPECT_EQ(FormatValue(RoundTo(size.D, 0)), c.D);
  EXPECT_EQ(FormatValue(RoundTo(size.L, 0)), c.L);
}

INSTANTIATE_TEST_SUITE_P(
    , SizesTest,
    testing::Values(SizeCase{"Defaults", 0.125, 1000, "1703", "12446"},
                    SizeCase{"OneBar", 145.03824327658526 / 800, 1000, "1562", "14782"},
                    SizeCase{"FirstBreakpoint", 0, 1000, "3269", "3376"},
                    SizeCase{"BreakpointEndsItsSegment", 1.0, 100, "575", "10912"},
                    SizeCase{"LastBreakpoint", 3.0, 1000, "788", "58142"},
                    SizeCase{"ExtrapolatedBelowZero", -0.5, 1000, "35206", "29"}),
    CaseName());

TEST(SizeVesselTest, InterpolatesInTheGivenOrder) {
  // Default design: F = 0.125 lies between rows 5 and 6.
  const double Dlo = 0.922 * std::pow(1000.0, 0.266) * 25.4 * 12;
  const double Dhi = 0.831 * std::pow(1000.0, 0.259) * 25.4 * 12;
  const double D = Dlo + (0.125 - 0.1) * ((Dhi - Dlo) / (0.2 - 0.1));
  const double L =
      (((4 * 1000.0) / std::pow(3.28, 3)) / ((D / 1000) * (D / 1000) * 3.14159265358979)) * 1000;
  const VesselSize size = SizeVessel(0.125, 1000);
  EXPECT_EQ(size.D, D);
  EXPECT_EQ(size.L, L);
  EXPECT_EQ(size.row, 6);
  EXPECT_EQ(size.Dlo, Dlo);
  EXPECT_EQ(size.Dhi, Dhi);
}

// C, S and E are checked in that order, before F's own range.
TEST(SizeDesignTest, NamesTheFirstValueOutsideTheCorrelation) {
  EXPECT_EQ(SizeDesign(100, 0, 0, 0, 1000).error, ProblemKind::CorrosionNotPositive);
  EXPECT_EQ(SizeDesign(100, 0.0625, -1, 0, 1000).error, ProblemKind::StressNotPositive);
  EXPECT_EQ(SizeDesign(100, 0.0625, 16000, 0, 1000).error, ProblemKind::EfficiencyNotPositive);
  EXPECT_EQ(SizeDesign(1e300, 1e-300, 1, 1, 1000).error, ProblemKind::FactorOutOfRange);
  const Sizing sized = SizeDesign(100, 0.0625, 16000, 0.8, 1000);
  EXPECT_EQ(sized.error, ProblemKind::None);
  EXPECT_EQ(sized.F, 0.125);
  EXPECT_EQ(sized.size.D, SizeVessel(0.125, 1000).D);
}

struct RefusalCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const RefusalCase& c) { return os << c.name; }
  double F;
  double V;
  ProblemKind error;
};

class SizeVesselRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SizeVesselRefusalTest, Refuses) {
  const auto& c = GetParam();
  EXPECT_EQ(SizeVessel(c.F, c.V).error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    , SizeVesselRefusalTest,
    testing::Values(RefusalCase{"AboveLastBreakpoint", 3.0000001, 1000, ProblemKind::FBeyondTable},
                    RefusalCase{"ZeroVolume", 0.125, 0, ProblemKind::VolumeNotPositive},
                    RefusalCase{"NegativeVolume", 0.125, -5, ProblemKind::VolumeNotPositive},
                    RefusalCase{"NegativeDiameter", -1e6, 0.001, ProblemKind::DiameterNotPositive},
                    RefusalCase{"HugeVolume", 0.125, 1e308, ProblemKind::SizeOutOfRange},
                    RefusalCase{"DiameterOverflows", -1e306, 1000, ProblemKind::SizeOutOfRange},
                    RefusalCase{"LengthVanishes", -1.25e160, 1000, ProblemKind::SizeOutOfRange}),
    CaseName());

}  // namespace
}  // namespace brenmor

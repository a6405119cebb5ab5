#include "brenmor/form/design_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "case_name.h"

namespace brenmor {
namespace {

// A design loaded with the window's default texts.
class DesignStateTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(state.LoadDefaults("100", "0.0625", "16000", "0.8", "1000"));
  }

  DesignState state;
};

TEST(DesignStateStartTest, LoadsWithoutComputingF) {
  DesignState state;
  EXPECT_EQ(state.Values().P, 0);
  EXPECT_EQ(state.Values().F, 0);
  EXPECT_TRUE(state.LoadDefaults("100", "0.0625", "16000", "1.5", "1000"));
  EXPECT_EQ(state.Values().P, 100);
  EXPECT_EQ(state.Values().C, 0.0625);
  EXPECT_EQ(state.Values().S, 16000);
  EXPECT_EQ(state.Values().E, 1.5) << "loading does not check E";
  EXPECT_EQ(state.Values().V, 1000);
  EXPECT_EQ(state.Values().F, 0);
}

TEST(DesignStateStartTest, LeavesAnOutOfRangeValue) {
  DesignState state;
  EXPECT_FALSE(state.LoadDefaults("1E400", "0.0625", "16000", "0.8", "1000"));
  EXPECT_EQ(state.Values().P, 0);
  EXPECT_EQ(state.Values().C, 0.0625);
}

TEST_F(DesignStateTest, DefaultsCalculate) {
  const Calculation calc = state.Calculate({});
  EXPECT_EQ(calc.sizing.error, ProblemKind::None);
  EXPECT_EQ(calc.Text(Figure::F), "0.125");
  EXPECT_EQ(calc.Text(Figure::D), "1703");
  EXPECT_EQ(calc.Text(Figure::L), "12446");
  EXPECT_EQ(state.Values().F, 0.125);
  EXPECT_NEAR(state.Values().D, 1702.68, 0.005);
}

TEST_F(DesignStateTest, RoadOfOneCalculation) {
  const UnitCommit commit = state.CommitWithUnit(Field::P, 1, "10");
  EXPECT_EQ(commit.error, ProblemKind::None);
  EXPECT_EQ(commit.writtenBack, "145.038");
  EXPECT_EQ(commit.fText, "0.181");
  EXPECT_EQ(state.Values().P, 10 * 14.696 / 1.01325) << "bar commits every digit";

  const Calculation calc = state.Calculate({});
  EXPECT_EQ(calc.Text(Figure::F), "0.181");
  EXPECT_EQ(calc.Text(Figure::D), "1562");
  EXPECT_EQ(calc.Text(Figure::L), "14782");
}

TEST_F(DesignStateTest, WrittenBackTextIsItsValue) {
  const UnitCommit first = state.CommitWithUnit(Field::P, 1, "10");
  const UnitCommit again = state.CommitWithUnit(Field::P, 0, first.writtenBack);
  EXPECT_EQ(again.writtenBack, "145.038");
  EXPECT_EQ(state.Values().P, 145.038);
}

TEST_F(DesignStateTest, VolumeCommitLeavesFAlone) {
  const UnitCommit commit = state.CommitWithUnit(Field::V, 1, "20");
  EXPECT_EQ(commit.writtenBack, "705.751");
  EXPECT_EQ(commit.fText, std::nullopt);
  EXPECT_EQ(state.Values().F, 0) << "F not refreshed by V";
  EXPECT_EQ(state.Values().V, 20 * std::pow(3.28, 3));
}

TEST_F(DesignStateTest, CorrosionAndStressRefreshF) {
  EXPECT_EQ(state.CommitWithUnit(Field::C, 1, "3").fText, "0.066");
  EXPECT_EQ(state.CommitWithUnit(Field::S, 2, "1000").fText, "0.072");
  EXPECT_EQ(state.Values().S, 14696);
}

TEST_F(DesignStateTest, ZeroCommitLeavesFAsItWas) {
  ASSERT_EQ(state.RefreshF(), "0.125");
  const UnitCommit commit = state.CommitWithUnit(Field::C, 0, "abc");
  EXPECT_EQ(commit.error, ProblemKind::None);
  EXPECT_EQ(commit.writtenBack, "0");
  EXPECT_EQ(commit.fText, std::nullopt);
  EXPECT_EQ(state.Values().C, 0);
  EXPECT_EQ(state.Values().F, 0.125);
}

TEST_F(DesignStateTest, OutOfRangeCommitChangesNothing) {
  const DesignValues before = state.Values();
  for (const auto& [field, unit, text] :
       {std::tuple{Field::P, 0, "1E400"}, std::tuple{Field::P, 1, "1E308"},
        std::tuple{Field::S, 2, "-1E400"}, std::tuple{Field::C, 1, "1E999"},
        std::tuple{Field::V, 1, "1E307"}}) {
    const UnitCommit commit = state.CommitWithUnit(field, unit, text);
    EXPECT_EQ(commit.error, ProblemKind::OutOfRange) << text;
    EXPECT_EQ(commit.writtenBack, "");
    EXPECT_EQ(commit.fText, std::nullopt);
  }
  EXPECT_EQ(state.Values().P, before.P);
  EXPECT_EQ(state.Values().C, before.C);
  EXPECT_EQ(state.Values().S, before.S);
  EXPECT_EQ(state.Values().V, before.V);
}

TEST_F(DesignStateTest, UnknownUnitIsRefused) {
  EXPECT_EQ(state.CommitWithUnit(Field::P, -1, "10").error, ProblemKind::UnitNotOnList);
  EXPECT_EQ(state.CommitWithUnit(Field::E, 0, "0.5").error, ProblemKind::UnitNotOnList);
  EXPECT_EQ(state.Values().P, 100);
  EXPECT_EQ(state.Values().E, 0.8);
}

TEST_F(DesignStateTest, CommitEAcceptsUpToOneAndRefreshesF) {
  const ECommit one = state.CommitE("1");
  EXPECT_EQ(one.error, ProblemKind::None);
  EXPECT_EQ(one.fText, "0.1");
  EXPECT_EQ(state.Values().E, 1);
  EXPECT_EQ(state.CommitE("-0.5").error, ProblemKind::None) << "only above 1 is refused";
}

TEST_F(DesignStateTest, CommitERefusesAboveOneButStillRefreshesF) {
  const ECommit refused = state.CommitE("1.01");
  EXPECT_EQ(refused.error, ProblemKind::EAboveOne);
  EXPECT_EQ(Message({refused.error, Field::E}), "E must be less than 1");
  EXPECT_EQ(state.Values().E, 0.8);
  EXPECT_EQ(refused.fText, "0.125") << "F refreshed from the kept E";
}

TEST_F(DesignStateTest, CommitERefusesOutOfRange) {
  for (const char* text : {"1E400", "-1E400"}) {
    const ECommit refused = state.CommitE(text);
    EXPECT_EQ(refused.error, ProblemKind::OutOfRange) << text;
    EXPECT_EQ(Message({refused.error, Field::E}), "Joint efficiency is out of range");
  }
  EXPECT_EQ(state.Values().E, 0.8);
}

TEST_F(DesignStateTest, EmptyECommitsZeroAndFKeepsItsValue) {
  ASSERT_EQ(state.RefreshF(), "0.125");
  const ECommit empty = state.CommitE("");
  EXPECT_EQ(empty.error, ProblemKind::None);
  EXPECT_EQ(empty.fText, std::nullopt);
  EXPECT_EQ(state.Values().E, 0);
  EXPECT_EQ(state.Values().F, 0.125);
}

TEST_F(DesignStateTest, CalculateUsesCommittedVolume) {
  state.CommitWithUnit(Field::V, 1, "20");
  const Calculation calc = state.Calculate({});
  EXPECT_EQ(calc.sizing.error, ProblemKind::None);
  EXPECT_EQ(calc.Text(Figure::F), "0.125");
  EXPECT_EQ(calc.Text(Figure::D), "1553");
  EXPECT_EQ(calc.Text(Figure::L), "10561");
}

TEST_F(DesignStateTest, RefusedCalculationKeepsTheDiameter) {
  ASSERT_EQ(state.Calculate({}).sizing.error, ProblemKind::None);
  const double D = state.Values().D;

  state.CommitWithUnit(Field::P, 0, "4000");  // F = 5, past the last breakpoint
  Calculation calc = state.Calculate({});
  EXPECT_EQ(calc.sizing.error, ProblemKind::FBeyondTable);
  EXPECT_EQ(calc.Text(Figure::F), "5") << "F is still refreshed first";
  EXPECT_EQ(calc.Text(Figure::D), "");
  EXPECT_EQ(calc.Text(Figure::L), "");
  EXPECT_EQ(state.Values().D, D);

  state.CommitWithUnit(Field::P, 0, "100");
  state.CommitWithUnit(Field::V, 0, "0");
  calc = state.Calculate({});
  EXPECT_EQ(calc.sizing.error, ProblemKind::VolumeNotPositive);
  EXPECT_EQ(state.Values().D, D);
}

TEST_F(DesignStateTest, BeyondTableBeforeAnyDiameterIsRefused) {
  state.CommitWithUnit(Field::P, 0, "4000");
  const Calculation calc = state.Calculate({});
  EXPECT_EQ(calc.sizing.error, ProblemKind::FBeyondTable);
  EXPECT_EQ(state.Values().D, 0);
}

// A commit of one value, then Calculate: what the three output boxes show.
struct CalculateCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const CalculateCase& c) { return os << c.name; }
  Field field;
  int unit;  // -1 commits E on leaving its box
  const char* text;
  ProblemKind error;
  const char* fText;
};

class AfterCommitTest : public DesignStateTest,
                        public testing::WithParamInterface<CalculateCase> {};

// Sized first, so that a refusal has an old size and F to leave behind.
TEST_P(AfterCommitTest, Sizes) {
  const auto& c = GetParam();
  ASSERT_EQ(state.Calculate({}).sizing.error, ProblemKind::None);
  const double D = state.Values().D;
  if (c.unit < 0) {
    ASSERT_EQ(state.CommitE(c.text).error, ProblemKind::None);
  } else {
    ASSERT_EQ(state.CommitWithUnit(c.field, c.unit, c.text).error, ProblemKind::None);
  }
  const Calculation calc = state.Calculate({});
  EXPECT_EQ(calc.sizing.error, c.error);
  EXPECT_EQ(calc.Text(Figure::F), c.fText);
  if (c.error == ProblemKind::None) return;
  EXPECT_EQ(calc.Text(Figure::D), "");
  EXPECT_EQ(calc.Text(Figure::L), "");
  EXPECT_EQ(state.Values().D, D);
}

INSTANTIATE_TEST_SUITE_P(
    , AfterCommitTest,
    testing::Values(
        CalculateCase{"NoCorrosionAllowance", Field::C, 0, "0", ProblemKind::CorrosionNotPositive,
                      ""},
        CalculateCase{"NegativeCorrosionAllowance", Field::C, 0, "-0.0625",
                      ProblemKind::CorrosionNotPositive, "-0.125"},
        CalculateCase{"NoStress", Field::S, 1, "abc", ProblemKind::StressNotPositive, ""},
        CalculateCase{"NegativeStressInAtm", Field::S, 2, "-1000", ProblemKind::StressNotPositive,
                      "-0.136"},
        CalculateCase{"EmptyEfficiency", Field::E, -1, "", ProblemKind::EfficiencyNotPositive, ""},
        CalculateCase{"NegativeEfficiency", Field::E, -1, "-0.5",
                      ProblemKind::EfficiencyNotPositive, "-0.2"},
        CalculateCase{"FactorOverflows", Field::C, 0, "1E-320", ProblemKind::FactorOutOfRange, ""},
        CalculateCase{"LengthVanishesBesideHugeDiameter", Field::P, 0, "-1E163",
                      ProblemKind::SizeOutOfRange, "-1.25E+160"},
        CalculateCase{"VacuumExtrapolates", Field::P, 0, "-100", ProblemKind::None, "-0.125"}),
    CaseName());

TEST(MessageTest, EveryRefusalHasAMessageNamingItsQuantity) {
  EXPECT_EQ(Message({ProblemKind::OutOfRange, Field::P}), "Design pressure is out of range");
  EXPECT_EQ(Message({ProblemKind::OutOfRange, Field::C}), "Corrosion allowance is out of range");
  EXPECT_EQ(Message({ProblemKind::OutOfRange, Field::S}), "Stress value is out of range");
  EXPECT_EQ(Message({ProblemKind::OutOfRange, Field::V}), "Vessel volume is out of range");
  EXPECT_EQ(Message({ProblemKind::None, Field::P}), "");
  for (const ProblemKind e : {ProblemKind::CorrosionNotPositive, ProblemKind::StressNotPositive,
                              ProblemKind::EfficiencyNotPositive, ProblemKind::FactorOutOfRange,
                              ProblemKind::FBeyondTable, ProblemKind::VolumeNotPositive,
                              ProblemKind::DiameterNotPositive, ProblemKind::SizeOutOfRange}) {
    EXPECT_FALSE(Message(e).empty());
  }
}

}  // namespace
}  // namespace brenmor

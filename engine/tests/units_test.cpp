#include "brenmor/design/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "case_name.h"

namespace brenmor {
namespace {

TEST(UnitNamesTest, ListsEachFieldsUnitsBaseUnitFirst) {
  using Names = std::vector<std::string_view>;
  const auto names = [](Field f) { return Names(UnitNames(f).begin(), UnitNames(f).end()); };
  EXPECT_EQ(names(Field::P), (Names{"psi", "bar", "atm"}));
  EXPECT_EQ(names(Field::S), (Names{"psi", "bar", "atm"}));
  EXPECT_EQ(names(Field::C), (Names{"in", "mm"}));
  EXPECT_EQ(names(Field::V), (Names{"ft^3", "m^3"}));
  EXPECT_TRUE(names(Field::E).empty());
}

struct ConversionCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const ConversionCase& c) {
    return os << c.name;
  }
  Field field;
  int unit;
  const char* text;
  double committed;
  const char* writtenBack;
};

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, Commits) {
  const auto& c = GetParam();
  const std::optional<double> value = ConvertToBase(c.field, c.unit, c.text);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, c.committed);
  EXPECT_EQ(DisplayText(c.field, *value), c.writtenBack);
}

INSTANTIATE_TEST_SUITE_P(
    , ConversionTest,
    testing::Values(
        ConversionCase{"PressureInPsi", Field::P, 0, "100.00049", 100.00049, "100"},
        ConversionCase{"PressureInBarKeepsEveryDigit", Field::P, 1, "10", 10 * 14.696 / 1.01325,
                       "145.038"},
        ConversionCase{"PressureInAtmIsRounded", Field::P, 2, "10", 146.96, "146.96"},
        ConversionCase{"AtmRoundsBeforeCommit", Field::S, 2, "1.00001", 14.696, "14.696"},
        ConversionCase{"StressInBar", Field::S, 1, "1", 14.696 / 1.01325, "14.504"},
        ConversionCase{"CorrosionInMm", Field::C, 1, "3", 3 / 25.4, "0.1181"},
        ConversionCase{"CorrosionInInches", Field::C, 0, "0.0625", 0.0625, "0.0625"},
        ConversionCase{"VolumeInCubicMetres", Field::V, 1, "20", 20 * std::pow(3.28, 3), "705.751"},
        ConversionCase{"VolumeInCubicFeet", Field::V, 0, "1000", 1000, "1000"},
        ConversionCase{"NoNumberInBar", Field::P, 1, "abc", 0, "0"},
        ConversionCase{"NoNumberInMm", Field::C, 1, "abc", 0, "0"},
        ConversionCase{"NoNumberInCubicMetres", Field::V, 1, "", 0, "0"},
        ConversionCase{"TinyNegativeRoundsToZero", Field::P, 0, "-0.0001", -0.0001, "0"}),
    CaseName());

TEST(ConvertToBaseTest, OverflowIsInfiniteNotTheLargestDouble) {
  EXPECT_TRUE(std::isinf(*ConvertToBase(Field::P, 1, "1E308")));
  EXPECT_TRUE(std::isinf(*ConvertToBase(Field::V, 1, "1E307")));
  EXPECT_TRUE(std::isinf(*ConvertToBase(Field::S, 0, "-1E400")));
}

TEST(UnitPositionTest, FindsAUnitOnItsFieldsListInAnyCase) {
  EXPECT_EQ(UnitPosition(Field::P, "bar"), 1);
  EXPECT_EQ(UnitPosition(Field::S, "ATM"), 2);
  EXPECT_EQ(UnitPosition(Field::C, "Mm"), 1);
  EXPECT_EQ(UnitPosition(Field::V, "m^3"), 1);
  EXPECT_EQ(UnitPosition(Field::V, "m3"), std::nullopt);
  EXPECT_EQ(UnitPosition(Field::C, "bar"), std::nullopt);
  EXPECT_EQ(UnitPosition(Field::E, ""), std::nullopt);
}

TEST(ConvertToBaseTest, RefusesAUnitNotOnTheList) {
  EXPECT_EQ(ConvertToBase(Field::P, -1, "10"), std::nullopt);
  EXPECT_EQ(ConvertToBase(Field::P, 3, "10"), std::nullopt);
  EXPECT_EQ(ConvertToBase(Field::C, 2, "10"), std::nullopt);
  EXPECT_EQ(ConvertToBase(Field::E, 0, "0.8"), std::nullopt);
}

}  // namespace
}  // namespace brenmor

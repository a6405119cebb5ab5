// Purchase costs by Seider, Seader, Lewin and Widagdo (4th edition), against
// the values they publish; the diameter of least cost against a search of
// every millimetre; and what the vessel as built holds.
#include "brenmor/cost/cost.h"

#include <gtest/gtest.h>

#include "brenmor/calculation/calculation.h"
#include "case_name.h"

namespace brenmor {
namespace {

// The published values are at a CE index of 567.5, against the base 567.
constexpr double kPublishedIndex = 567.5 / kCostIndexBase;

TEST(CostCorrelationTest, GivesThePublishedValues) {
  EXPECT_NEAR(VesselCostAtBase(Orientation::Horizontal, 1000) * kPublishedIndex, 8857.96, 0.005);
  EXPECT_NEAR(VesselCostAtBase(Orientation::Vertical, 1000) * kPublishedIndex, 13319.09, 0.005);
  EXPECT_NEAR(PlatformsCostAtBase(Orientation::Horizontal, 4, 0) * kPublishedIndex, 3016.80, 0.005);
  EXPECT_NEAR(PlatformsCostAtBase(Orientation::Vertical, 3, 10) * kPublishedIndex, 4708.53, 0.005);
}

// The vessel's cost takes the material factor and the index, the
// platforms' the index alone.
TEST(CostCorrelationTest, ScalesByIndexAndMaterial) {
  DesignOptions options;
  options.costIndex = 816;
  options.materialFactor = 2.1;
  const Calculation calc = Calculate(InBaseUnits({150, 0.125, 17000, 1, 700}), options);
  ASSERT_TRUE(calc.cost.given);
  const double pounds = calc.wall.emptyKg / 0.45359237;
  EXPECT_DOUBLE_EQ(calc.cost.vessel,
                   VesselCostAtBase(Orientation::Vertical, pounds) * 2.1 * 816 / 567);
  EXPECT_DOUBLE_EQ(calc.cost.platforms,
                   PlatformsCostAtBase(Orientation::Vertical, calc.sizing.size.D / 304.8,
                                       calc.sizing.size.L / 304.8) *
                       816 / 567);
}

struct RangeCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const RangeCase& c) { return os << c.name; }
  DesignValues design;
  Orientation orientation;
  const char* note;
};

class CostRangeTest : public testing::TestWithParam<RangeCase> {};

// A figure outside its correlation's range is still given, and the note
// says which quantity is outside and what the range is.
TEST_P(CostRangeTest, SaysWhichQuantityIsOutside) {
  const RangeCase& c = GetParam();
  DesignOptions options;
  options.orientation = c.orientation;
  const Calculation calc = Calculate(InBaseUnits(c.design), options);
  EXPECT_EQ(calc.MessageOf(Group::Cost), c.note);
  EXPECT_FALSE(calc.Text(Figure::VesselCost).empty());
}

INSTANTIATE_TEST_SUITE_P(
    , CostRangeTest,
    testing::Values(
        RangeCase{"InsideEveryRange", {150, 0.125, 17000, 1, 700}, Orientation::Vertical, ""},
        RangeCase{"TooLongForItsPlatforms",
                  {200, 0.125, 17000, 1, 2000},
                  Orientation::Vertical,
                  "L = 50.9 ft is outside the vertical platforms' 12 to 40 ft"},
        RangeCase{"LightAndShort",
                  {50, 0.125, 17000, 1, 100},
                  Orientation::Vertical,
                  "W = 1389 lb is outside the vertical vessel's 4200 to 1000000 lb; L = 8.2 ft is "
                  "outside the vertical platforms' 12 to 40 ft"},
        RangeCase{
            "HorizontalTakesNoLength", {200, 0.125, 17000, 1, 2000}, Orientation::Horizontal, ""}),
    CaseName());

// Over the correlation's range, for both orientations and every head: the
// least cost is a true minimum, and a search of every millimetre finds it
// within a millimetre.
TEST(LeastCostTest, IsATrueMinimum) {
  int searched = 0;
  for (const Orientation orientation : kOrientations) {
    for (const HeadKind head : kHeadKinds) {
      for (const double F : {0.0, 0.05, 0.2, 0.8, 2.5}) {
        for (const double V : {20.0, 700.0, 20000.0}) {
          DesignOptions options;
          options.orientation = orientation;
          options.head = head;
          const DesignValues v{F * 0.125 * 17000, 0.125, 17000, 1, V};
          const Calculation calc = Calculate(InBaseUnits(v), options);
          if (!calc.cost.given) continue;
          const MinimumCost cost(calc.Values(), options);
          const double least = calc.cost.leastD;
          const std::string where = std::string(Name(orientation)) + ' ' + std::string(Name(head)) +
                                    " F " + std::to_string(F) + " V " + std::to_string(V);
          EXPECT_LE(cost.At(least).cost, cost.At(least - 1).cost) << where;
          EXPECT_LE(cost.At(least).cost, cost.At(least + 1).cost) << where;
          double best = least;
          for (double D = least / 4; D < least * 4; D += 1) {
            if (cost.At(D).cost < cost.At(best).cost) best = D;
          }
          EXPECT_NEAR(best, least, 1) << where;
          ++searched;
        }
      }
    }
  }
  EXPECT_GT(searched, 50);
}

// The platforms make the two optimums differ: a vertical vessel's cost less
// when it is wider, a horizontal one's more.
TEST(LeastCostTest, LiesWiderThanTheLeastWeightOnlyWhenVertical) {
  for (const Orientation orientation : kOrientations) {
    DesignOptions options;
    options.orientation = orientation;
    const Calculation calc = Calculate(InBaseUnits({300, 0.125, 17000, 1, 1500}), options);
    EXPECT_EQ(calc.cost.leastD > calc.wall.leastD, orientation == Orientation::Vertical);
  }
}

}  // namespace
}  // namespace brenmor

#include "brenmor/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "case_name.h"

namespace brenmor {
namespace {

// Where a line is at `x`, between its ends: the chart is log-log, so a
// line's fraction is linear in x.
double LineAt(const ChartLine& line, double x) {
  return line.from.y + (line.to.y - line.from.y) * (x - line.from.x) / (line.to.x - line.from.x);
}

struct ChartCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const ChartCase& c) { return os << c.name; }
  DesignValues design;
  int lowerRow;  // 0 when no point
  const char* note;
};

class ChartTest : public testing::TestWithParam<ChartCase> {};

TEST_P(ChartTest, PlacesTheDesign) {
  const ChartCase& c = GetParam();
  const Chart chart = ChartOf(c.design);
  ASSERT_EQ(chart.lines.size(), 13U);
  EXPECT_EQ(chart.note, c.note);
  for (std::size_t i = 1; i < chart.lines.size(); ++i) {
    EXPECT_LT(chart.lines[i].to.y, chart.lines[i - 1].to.y) << "a higher F has a smaller D";
  }
  for (const ChartLine& line : chart.lines) {
    for (const double y : {line.from.y, line.to.y}) {
      EXPECT_GE(y, 0);
      EXPECT_LE(y, 1) << "the lines' full spread is on the chart";
    }
  }
  if (c.lowerRow == 0) {
    EXPECT_FALSE(chart.design.has_value());
    return;
  }
  ASSERT_TRUE(chart.design.has_value());
  const ChartLine& lo = chart.lines[static_cast<std::size_t>(c.lowerRow - 1)];
  const ChartLine& hi = chart.lines[static_cast<std::size_t>(c.lowerRow)];
  EXPECT_TRUE(lo.strong && hi.strong);
  EXPECT_EQ(std::count_if(chart.lines.begin(), chart.lines.end(),
                          [](const ChartLine& l) { return l.strong; }),
            2);
  const double x = chart.design->x;
  EXPECT_GE(x, 1.0 / 3) << "at least a decade of V to the left";
  EXPECT_LE(x, 2.0 / 3) << "and to the right";
  if (*c.note == '\0') {
    EXPECT_LE(chart.design->y, LineAt(lo, x) + 1e-12);
    EXPECT_GE(chart.design->y, LineAt(hi, x) - 1e-12);
  } else {
    EXPECT_GT(chart.design->y, LineAt(lo, x)) << "extrapolated above the first line";
  }
}

INSTANTIATE_TEST_SUITE_P(
    , ChartTest,
    testing::Values(ChartCase{"Defaults", {100, 0.0625, 16000, 0.8, 1000}, 5, ""},
                    ChartCase{"ExactBreakpoint", {100, 0.0625, 1600, 1, 100}, 9, ""},
                    ChartCase{"Vacuum",
                              {-50, 0.0625, 16000, 0.8, 1000},
                              1,
                              "F is below the first line: the diameter is extrapolated"},
                    ChartCase{"BeyondTheCorrelation",
                              {4000, 0.0625, 16000, 0.8, 1000},
                              0,
                              "F is above 3, beyond the sizing correlation"},
                    ChartCase{"NoVolume",
                              {100, 0.0625, 16000, 0.8, 0},
                              0,
                              "Vessel volume must be greater than 0"}),
    CaseName());

// The handbook's example: 1,500 ft^3 at 300 psig, C = 0.125 in and
// S E = 17,000 psi sits at about 6 ft, read off both log axes.
TEST(ChartHandbookTest, ExampleSitsAtAboutSixFeet) {
  const Chart chart = ChartOf({300, 0.125, 17000, 1, 1500});
  ASSERT_TRUE(chart.design.has_value());
  const auto valueAt = [](const std::vector<ChartTick>& ticks, double at) {
    // Log-interpolate between the first and last ticks.
    const ChartTick& a = ticks.front();
    const ChartTick& b = ticks.back();
    const double la = std::log10(ParseValue(a.label));
    const double lb = std::log10(ParseValue(b.label));
    return std::pow(10.0, la + (lb - la) * (at - a.at) / (b.at - a.at));
  };
  EXPECT_NEAR(valueAt(chart.volumeTicks, chart.design->x), 1500, 1);
  EXPECT_NEAR(valueAt(chart.diameterTicks, chart.design->y), 6, 0.5);
  EXPECT_NEAR(valueAt(chart.volumeTicksSI, chart.design->x), 1500 / 35.287552, 0.1);
  EXPECT_NEAR(valueAt(chart.diameterTicksSI, chart.design->y), 6 * 0.3048, 0.16);
  EXPECT_EQ(chart.designLabel.front(), "F = 0.141");
}

TEST(ChartSvgTest, IsOneDocumentWithEveryLineAndThePoint) {
  const std::string svg =
      ChartSvg(ChartOf({100, 0.0625, 16000, 0.8, 1000}), 480, 360, "black", "white", "blue");
  EXPECT_TRUE(svg.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\""));
  EXPECT_TRUE(svg.ends_with("</svg>"));
  std::size_t lines = 0;
  for (std::size_t at = svg.find("<line"); at != std::string::npos;
       at = svg.find("<line", at + 1)) {
    ++lines;
  }
  EXPECT_EQ(lines, 13U);
  EXPECT_NE(svg.find("<circle"), std::string::npos);
  EXPECT_NE(svg.find("D = 1703 mm"), std::string::npos);
}

}  // namespace
}  // namespace brenmor

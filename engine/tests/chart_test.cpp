#include "brenmor/presentation/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <variant>

#include "brenmor/presentation/svg.h"
#include "brenmor/presentation/weight_plot.h"
#include "case_name.h"

namespace brenmor {
namespace {

Calculation CalculationOf(const DesignValues& v) { return Calculate(InBaseUnits(v)); }

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
  const Calculation calc = CalculationOf(c.design);
  const Chart chart = ChartOf(&calc);
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
  const Calculation calc = CalculationOf({300, 0.125, 17000, 1, 1500});
  const Chart chart = ChartOf(&calc);
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
  const Calculation calc = CalculationOf({100, 0.0625, 16000, 0.8, 1000});
  const std::string svg = SvgOf(DrawChart(ChartOf(&calc), 480, 360), {"black", "white", "blue"});
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

// The labels of a picture: their texts, and each pair's overlap.
std::vector<const Label*> LabelsOf(const Drawing& drawing) {
  std::vector<const Label*> labels;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* label = std::get_if<Label>(&shape)) labels.push_back(label);
  }
  return labels;
}

bool Shows(const Drawing& drawing, const std::string& words) {
  const auto labels = LabelsOf(drawing);
  return std::any_of(labels.begin(), labels.end(),
                     [&](const Label* l) { return l->words == words; });
}

// No two labels overlap, and each lies inside the picture.
void ExpectReadable(const Drawing& drawing, const std::string& where) {
  const auto labels = LabelsOf(drawing);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Extent a = ExtentOf(*labels[i]);
    EXPECT_TRUE(a.Inside(drawing.width, drawing.height)) << where << ": " << labels[i]->words;
    for (std::size_t j = i + 1; j < labels.size(); ++j) {
      EXPECT_FALSE(a.Overlaps(ExtentOf(*labels[j])))
          << where << ": \"" << labels[i]->words << "\" and \"" << labels[j]->words << '"';
    }
  }
}

struct Size {
  double width;
  double height;
};
// The page's, the window's least, its default and a large one.
constexpr std::array<Size, 5> kChartSizes = {
    {{480, 360}, {360, 270}, {524, 436}, {900, 700}, {1200, 500}}};
constexpr std::array<Size, 4> kPlotSizes = {{{300, 220}, {260, 200}, {340, 180}, {600, 400}}};

// Designs across the correlation: each row's F, tiny and huge volumes, a
// vacuum, the handbook's example and refusals.
std::vector<DesignValues> Designs() {
  std::vector<DesignValues> designs = {
      {100, 0.0625, 16000, 0.8, 1000}, {300, 0.125, 17000, 1, 1500},
      {-50, 0.0625, 16000, 0.8, 1000}, {4000, 0.0625, 16000, 0.8, 1000},
      {100, 0.0625, 16000, 0.8, 0},    {10, 0.0625, 16000, 0.8, 3},
      {500, 0.0625, 16000, 0.8, 2e6}};
  for (const SizingRow& row : SizingTable) designs.push_back({row.Ft * 1000, 1, 1000, 1, 700});
  return designs;
}

TEST(ChartLayoutTest, LabelsNeitherOverlapNorLeaveThePicture) {
  for (const DesignValues& v : Designs()) {
    const Calculation calc = CalculationOf(v);
    const Chart chart = ChartOf(&calc);
    for (const Size& size : kChartSizes) {
      const std::string where = "P " + FormatValue(v.P) + ", V " + FormatValue(v.V) + " at " +
                                FormatValue(size.width) + " x " + FormatValue(size.height);
      const Drawing drawing = DrawChart(chart, size.width, size.height);
      ExpectReadable(drawing, where);
      for (const std::string& title : chart.axisTitles) EXPECT_TRUE(Shows(drawing, title)) << where;
      for (const std::string& line : chart.designLabel) EXPECT_TRUE(Shows(drawing, line)) << where;
      for (const ChartLine& line : chart.lines) {
        if (line.strong) {
          EXPECT_TRUE(Shows(drawing, line.label)) << where << ": F " << line.label;
        }
      }
      // A note is wrapped into lines that read as it does, one after another.
      std::string words;
      for (const Label* label : LabelsOf(drawing)) words += label->words + ' ';
      EXPECT_NE(words.find(chart.note), std::string::npos) << where << ": " << chart.note;
    }
  }
}

TEST(CurvePlotLayoutTest, LabelsNeitherOverlapNorLeaveThePicture) {
  for (const DesignValues& v : Designs()) {
    for (const Orientation orientation : kOrientations) {
      DesignOptions options;
      options.orientation = orientation;
      const Calculation calc = Calculate(InBaseUnits(v), options);
      for (const CurvePlot& plot : {WeightPlotOf(&calc), CostPlotOf(&calc)}) {
        for (const Size& size : kPlotSizes) {
          const std::string where = plot.axisTitles[1] + " of P " + FormatValue(v.P) + ", V " +
                                    FormatValue(v.V) + " at " + FormatValue(size.width) + " x " +
                                    FormatValue(size.height);
          const Drawing drawing = DrawCurvePlot(plot, size.width, size.height);
          ExpectReadable(drawing, where);
          for (const std::string& title : plot.axisTitles) {
            EXPECT_TRUE(Shows(drawing, title)) << where;
          }
          if (plot.curve.empty()) continue;
          EXPECT_TRUE(Shows(drawing, plot.design->label)) << where;
          for (const CurveMark& mark : plot.optima)
            EXPECT_TRUE(Shows(drawing, mark.label)) << where;
        }
      }
    }
  }
}

}  // namespace
}  // namespace brenmor

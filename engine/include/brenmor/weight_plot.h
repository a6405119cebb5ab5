// The empty weight against the diameter at the design's volume: the flat
// bottom the correlation aims for, with the design and the diameter of least
// weight marked on it, so that an engineer sees what moving D to a standard
// head size costs. Positions are fractions of the plot area, as the chart's.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "brenmor/chart.h"
#include "brenmor/evaluation.h"
#include "brenmor/wall.h"

namespace brenmor {

struct WeightPlot {
  std::vector<ChartPoint> curve;          // empty unless the wall was worked out
  std::optional<ChartPoint> design;       // at the design's D
  std::optional<ChartPoint> least;        // at the diameter of least weight
  std::array<std::string, 2> markLabels;  // beside the design's and the least's marks
  std::vector<ChartTick> diameterTicks;   // bottom axis, mm
  std::vector<ChartTick> weightTicks;     // left axis, kg
  std::array<std::string, 2> axisTitles;  // bottom, left
  std::string note;                       // why there is no curve
  std::string description;                // the plot in words, for a screen reader
};

// The plot of the committed values as they were calculated, with `wall`
// worked out for them; before any calculation, `calculated` is nothing.
WeightPlot WeightPlotOf(const std::optional<DesignValues>& calculated, const Wall& wall);

// The plot as an SVG document, drawn as ChartSvg draws the chart.
std::string WeightPlotSvg(const WeightPlot& plot, int width, int height, const std::string& ink,
                          const std::string& paper, const std::string& accent);

// What the wall panel says under the figures: how the design's weight
// stands to the least, or why there is none.
std::string LeastWeightNote(const Wall& wall);

}  // namespace brenmor

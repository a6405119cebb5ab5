// The empty weight against the diameter at the design's volume: the flat
// bottom the correlation aims for, with the design and the diameter of least
// weight marked on it, so that an engineer sees what moving D to a standard
// head size costs. Read off a calculation as fractions of the plot area, as
// the chart is, and laid out once for every front end.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "brenmor/calculation/calculation.h"
#include "brenmor/presentation/chart.h"
#include "brenmor/presentation/drawing.h"

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

// The plot of a calculation; before any calculation, nothing.
WeightPlot WeightPlotOf(const Calculation* calculation);

// The plot on a picture `width` x `height` units.
Drawing DrawWeightPlot(const WeightPlot& plot, double width, double height);

// What the wall panel says under the figures: how the design's weight
// stands to the least, or why there is none.
std::string LeastWeightNote(const Calculation* calculation);

}  // namespace brenmor

// A quantity against the diameter at the design's volume, with the design
// and the diameters where the curve is least marked on it: how flat the
// bottom is that the correlation aims for, and what moving D costs. The
// weight plot and the cost plot are two of them. Read off a calculation as
// fractions of the plot area, as the chart is, and laid out once for every
// front end.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "brenmor/presentation/chart.h"
#include "brenmor/presentation/drawing.h"

namespace brenmor {

// A diameter marked on the curve: the design as a point, an optimum as a
// line down to the axis.
struct CurveMark {
  ChartPoint at;
  std::string label;  // "D = 1703 mm", "least at 1570 mm"
};

struct CurvePlot {
  std::vector<ChartPoint> curve;          // empty when there is no curve
  std::optional<CurveMark> design;        // at the design's D
  std::vector<CurveMark> optima;          // the curve's own least first
  std::vector<ChartTick> diameterTicks;   // bottom axis, mm
  std::vector<ChartTick> valueTicks;      // left axis
  std::array<std::string, 2> axisTitles;  // bottom, left
  std::string note;                       // why there is no curve
  std::string description;                // the plot in words, for a screen reader
};

// A plot of {D mm, value} points from lowest to highest D, with the design
// and the optima marked at their diameters.
struct CurvePoint {
  double D;
  double value;
};
CurvePlot CurvePlotOf(const std::vector<CurvePoint>& curve, double designD, double designValue,
                      const std::vector<CurvePoint>& optima);

// The plot on a picture `width` x `height` units.
Drawing DrawCurvePlot(const CurvePlot& plot, double width, double height);

}  // namespace brenmor

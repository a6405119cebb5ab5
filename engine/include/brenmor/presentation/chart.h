// The correlation as the handbook draws it: the optimum diameter against
// the volume on log-log axes, one straight line for each breakpoint's F,
// with the design of the last calculation on it. ChartOf reads it off a
// calculation as fractions of the plot area; DrawChart lays it out on a
// picture of a given size, once for every front end.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "brenmor/calculation/calculation.h"
#include "brenmor/presentation/drawing.h"

namespace brenmor {

// A place on the plot: x from its left edge, y from its bottom edge, each
// from 0 to 1.
struct ChartPoint {
  double x = 0;
  double y = 0;
};

// The line D = A V^B of one breakpoint, across the whole plot.
struct ChartLine {
  int row = 0;          // 1 to 13
  std::string label;    // its F: "0.125"
  ChartPoint from;      // at the left edge
  ChartPoint to;        // at the right edge
  bool strong = false;  // one of the two around the design's F
};

// A labelled mark on an axis, at a fraction of its length.
struct ChartTick {
  double at = 0;
  std::string label;
};

struct Chart {
  std::vector<ChartLine> lines;            // in row order, F rising
  std::vector<ChartTick> volumeTicks;      // bottom axis, ft^3
  std::vector<ChartTick> diameterTicks;    // left axis, ft
  std::vector<ChartTick> volumeTicksSI;    // top axis, m^3
  std::vector<ChartTick> diameterTicksSI;  // right axis, m
  std::array<std::string, 4> axisTitles;   // bottom, left, top, right
  std::optional<ChartPoint> design;        // when the calculation sized a vessel
  std::vector<std::string> designLabel;    // F, D, L and L/D beside the point
  std::array<ChartPoint, 4> band{};        // between the strong lines, when there is a design
  std::string note;         // the refusal's message, or that the design is extrapolated
  std::string description;  // the design in words, for a screen reader
};

// The chart of a calculation: the point, its two lines and the band when it
// was sized, or the lines and the refusal's message; before any
// calculation (nothing), the lines alone. The volumes span at least a
// decade either side of V, and the diameters every line's over them.
Chart ChartOf(const Calculation* calculation);

// The chart on a picture `width` x `height` units.
Drawing DrawChart(const Chart& chart, double width, double height);

}  // namespace brenmor

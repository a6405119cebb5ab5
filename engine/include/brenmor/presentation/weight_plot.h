// The empty weight and the purchase cost against the diameter at the
// design's volume, each at minimum thicknesses so that plate rounding does
// not count: the flat bottoms the correlation aims for, with the design, the
// diameter of least weight and that of least cost marked, so that an
// engineer sees what moving D to a standard head size costs.
#pragma once

#include <string>

#include "brenmor/calculation/calculation.h"
#include "brenmor/presentation/curve_plot.h"

namespace brenmor {

using WeightPlot = CurvePlot;

// The plots of a calculation; before any calculation, nothing: they say
// why they have no curve.
WeightPlot WeightPlotOf(const Calculation* calculation);
CurvePlot CostPlotOf(const Calculation* calculation);

// What the panel says under the weights: how the design's weight stands
// to the least, or why there is none.
std::string LeastWeightNote(const Calculation* calculation);

// What it says under the costs: where the least cost is beside the least
// weight, and why the two differ; empty when there are no costs.
std::string LeastCostNote(const Calculation* calculation);

}  // namespace brenmor

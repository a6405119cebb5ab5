#include "brenmor/presentation/weight_plot.h"

#include <algorithm>
#include <initializer_list>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

constexpr int kCurvePoints = 41;

// From half the least to twice it, and far enough for every diameter
// marked on it.
std::vector<CurvePoint> Sampled(double least, std::initializer_list<double> marked,
                                const auto& at) {
  const double from = std::min(least / 2, std::min(marked));
  const double to = std::max(least * 2, std::max(marked));
  std::vector<CurvePoint> curve;
  for (int i = 0; i < kCurvePoints; ++i) {
    const double D = from + (to - from) * i / (kCurvePoints - 1);
    curve.push_back({D, at(D)});
  }
  return curve;
}

CurvePlot NoCurve(std::array<std::string, 2> titles, std::string note) {
  CurvePlot plot;
  plot.axisTitles = std::move(titles);
  plot.note = std::move(note);
  plot.description = "No curve: " + plot.note;
  return plot;
}

}  // namespace

std::string LeastWeightNote(const Calculation* c) {
  if (c == nullptr || c->wall.error == ProblemKind::NotSized) {
    return "Calculate a design to see its wall and weight";
  }
  if (c->wall.error != ProblemKind::None) return c->MessageOf(Group::Wall);
  return "This diameter weighs " + FormatFixed(PercentOfLeast(c->wall), 2) +
         " % of the least, both at minimum thicknesses";
}

std::string LeastCostNote(const Calculation* c) {
  if (c == nullptr || !c->cost.given) return {};
  const bool vertical = c->options.orientation == Orientation::Vertical;
  const bool wider = c->cost.leastD > c->wall.leastD;
  return "The least cost is at " + c->Text(Figure::LeastCostD) + " mm, " +
         (wider ? "wider" : "narrower") + " than the least weight at " +
         c->Text(Figure::LeastWeightD) + " mm: a " + (vertical ? "vertical" : "horizontal") +
         " vessel's platforms and ladders cost " + (vertical ? "less" : "more") +
         " when it is wider.";
}

WeightPlot WeightPlotOf(const Calculation* c) {
  const std::array<std::string, 2> titles = {"D (mm)", "Empty weight (kg)"};
  if (c == nullptr || c->wall.error != ProblemKind::None)
    return NoCurve(titles, LeastWeightNote(c));
  const Wall& wall = c->wall;
  const MinimumWeight model(c->Values(), wall.options);
  const double D = c->sizing.size.D;
  CurvePlot plot = CurvePlotOf(Sampled(wall.leastD, {D}, [&](double x) { return model.At(x).kg; }),
                               D, wall.designKg, {{wall.leastD, wall.leastKg}});
  plot.axisTitles = titles;
  plot.note = LeastWeightNote(c);
  plot.description = "Empty weight against diameter: the design at " + plot.design->label +
                     ", the least weight at " + c->Text(Figure::LeastWeightD) + " mm; " + plot.note;
  return plot;
}

CurvePlot CostPlotOf(const Calculation* c) {
  const std::array<std::string, 2> titles = {"D (mm)", "Vessel and platforms (USD)"};
  if (c == nullptr || !c->cost.given) return NoCurve(titles, LeastWeightNote(c));
  const Cost& cost = c->cost;
  const MinimumCost model(c->Values(), c->options);
  const double D = c->sizing.size.D;
  const double leastWeightD = c->wall.leastD;
  CurvePlot plot = CurvePlotOf(
      Sampled(cost.leastD, {D, leastWeightD}, [&](double x) { return model.At(x).cost; }), D,
      model.At(D).cost,
      {{cost.leastD, model.At(cost.leastD).cost}, {leastWeightD, model.At(leastWeightD).cost}});
  plot.optima[1].label = "D* = " + c->Text(Figure::LeastWeightD) + " mm";
  plot.axisTitles = titles;
  plot.note = LeastCostNote(c);
  plot.description = "Purchase cost against diameter: the design at " + plot.design->label +
                     ", the least cost at " + c->Text(Figure::LeastCostD) + " mm; " + plot.note;
  return plot;
}

}  // namespace brenmor

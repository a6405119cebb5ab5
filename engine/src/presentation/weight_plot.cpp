#include "brenmor/presentation/weight_plot.h"

#include <algorithm>
#include <cmath>

#include "brenmor/numbers/number_text.h"
#include "layout.h"

namespace brenmor {
namespace {

constexpr Margins kMargins{56, 24, 16, 40};

// A linear axis from `low` to `high`.
struct Axis {
  double low;
  double high;
  double At(double value) const { return (value - low) / (high - low); }
};

// Marks at a round step, 1, 2 or 5 of a decade, about five to an axis.
std::vector<ChartTick> Ticks(const Axis& axis) {
  const double rough = (axis.high - axis.low) / 5;
  const double decade = std::pow(10.0, std::floor(std::log10(rough)));
  double step = decade;
  for (const double factor : {2.0, 5.0, 10.0}) {
    if (step < rough) step = decade * factor;
  }
  std::vector<ChartTick> ticks;
  const auto first = static_cast<long long>(std::ceil(axis.low / step));
  for (long long n = first; static_cast<double>(n) * step <= axis.high; ++n) {
    const double value = static_cast<double>(n) * step;
    ticks.push_back({axis.At(value), FormatRounded(value, 0)});
  }
  return ticks;
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

WeightPlot WeightPlotOf(const Calculation* c) {
  WeightPlot plot;
  plot.axisTitles = {"D (mm)", "Empty weight (kg)"};
  plot.note = LeastWeightNote(c);
  plot.description = "No weight curve: " + plot.note;
  if (c == nullptr || c->wall.error != ProblemKind::None) return plot;
  const Wall& wall = c->wall;
  const std::vector<WeightPoint> curve = WeightCurve(c->Values(), wall);
  const double D = c->sizing.size.D;
  const Axis diameters{std::min(curve.front().D, D), std::max(curve.back().D, D)};
  double heaviest = 0;
  for (const WeightPoint& p : curve) heaviest = std::max(heaviest, p.kg);
  const Axis weights{0, heaviest * 1.05};
  for (const WeightPoint& p : curve) plot.curve.push_back({diameters.At(p.D), weights.At(p.kg)});
  plot.design = ChartPoint{diameters.At(D), weights.At(wall.designKg)};
  plot.least = ChartPoint{diameters.At(wall.leastD), weights.At(wall.leastKg)};
  plot.markLabels = {"D = " + c->Text(Figure::D) + " mm",
                     "least at " + c->Text(Figure::LeastWeightD) + " mm"};
  plot.diameterTicks = Ticks(diameters);
  plot.weightTicks = Ticks(weights);
  plot.description = "Empty weight against diameter: the design at " + plot.markLabels[0] +
                     ", the least weight at " + c->Text(Figure::LeastWeightD) + " mm; " + plot.note;
  return plot;
}

Drawing DrawWeightPlot(const WeightPlot& plot, double width, double height) {
  Layout layout(width, height, kMargins);
  const double left = layout.Left();
  const double bottom = layout.Bottom();
  layout.Draw(Box{{left, layout.Top()},
                  layout.Right() - left,
                  bottom - layout.Top(),
                  std::nullopt,
                  1,
                  Role::Ink});
  layout.Place({{(left + layout.Right()) / 2, height - 6}, Anchor::Middle, plot.axisTitles[0]});
  layout.Place({{4, layout.Top() - 8}, Anchor::Start, plot.axisTitles[1]});
  if (plot.curve.empty()) {
    layout.PlaceWrapped(plot.note, (left + layout.Right()) / 2, (layout.Top() + bottom) / 2,
                        layout.Right() - left - 8);
    return layout.Take(plot.description);
  }
  std::vector<Point> curve;
  for (const ChartPoint& p : plot.curve) curve.push_back(layout.At(p.x, p.y));
  layout.Draw(Polyline{std::move(curve), Role::Ink, 1});
  const Point least = layout.At(plot.least->x, plot.least->y);
  layout.Draw(Line{{least.x, bottom}, least, Role::Ink, 0.6});
  const Point design = layout.At(plot.design->x, plot.design->y);
  layout.Draw(Circle{design, 4, Role::Accent});
  // The design's mark above its point, or below it; the least's near the
  // axis, on whichever side of its line has room.
  if (!layout.Place({{design.x + 6, design.y - 8}, Anchor::Start, plot.markLabels[0]}, true)) {
    layout.Place({{design.x - 6, design.y + 16}, Anchor::End, plot.markLabels[0]}, true);
  }
  if (!layout.Place({{least.x + 4, bottom - 6}, Anchor::Start, plot.markLabels[1]}, true)) {
    layout.Place({{least.x - 4, bottom - 6}, Anchor::End, plot.markLabels[1]}, true);
  }
  for (const ChartTick& t : plot.diameterTicks) {
    layout.Place({{layout.At(t.at, 0).x, bottom + 14}, Anchor::Middle, t.label});
  }
  for (const ChartTick& t : plot.weightTicks) {
    layout.Place({{left - 4, layout.At(0, t.at).y + 3}, Anchor::End, t.label});
  }
  return layout.Take(plot.description);
}

}  // namespace brenmor

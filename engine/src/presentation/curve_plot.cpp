#include "brenmor/presentation/curve_plot.h"

#include <algorithm>
#include <cmath>

#include "brenmor/numbers/number_text.h"
#include "layout.h"

namespace brenmor {
namespace {

constexpr Margins kMargins{64, 24, 16, 40};

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

CurvePlot CurvePlotOf(const std::vector<CurvePoint>& curve, double designD, double designValue,
                      const std::vector<CurvePoint>& optima) {
  CurvePlot plot;
  double lowest = designD;
  double highest = designD;
  double top = 0;
  for (const CurvePoint& p : curve) {
    lowest = std::min(lowest, p.D);
    highest = std::max(highest, p.D);
    top = std::max(top, p.value);
  }
  const Axis diameters{lowest, highest};
  const Axis values{0, top * 1.05};
  for (const CurvePoint& p : curve) plot.curve.push_back({diameters.At(p.D), values.At(p.value)});
  plot.design = CurveMark{{diameters.At(designD), values.At(designValue)},
                          "D = " + FormatFixed(designD, 0) + " mm"};
  for (const CurvePoint& p : optima) {
    plot.optima.push_back(
        {{diameters.At(p.D), values.At(p.value)}, "least at " + FormatFixed(p.D, 0) + " mm"});
  }
  plot.diameterTicks = Ticks(diameters);
  plot.valueTicks = Ticks(values);
  return plot;
}

Drawing DrawCurvePlot(const CurvePlot& plot, double width, double height) {
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
  const Point design = layout.At(plot.design->at.x, plot.design->at.y);
  layout.Draw(Circle{design, 4, Role::Accent});
  // The design's mark above its point, or below it; each optimum's near the
  // axis, on whichever side of its line has room, one above another.
  if (!layout.Place({{design.x + 6, design.y - 8}, Anchor::Start, plot.design->label}, true)) {
    layout.Place({{design.x - 6, design.y + 16}, Anchor::End, plot.design->label}, true);
  }
  // On a narrow plot a long label fits only centred on its line, over the
  // curve's empty middle.
  double above = 6;
  double below = layout.Top() + 14;
  for (const CurveMark& mark : plot.optima) {
    const Point at = layout.At(mark.at.x, mark.at.y);
    layout.Draw(Line{{at.x, bottom}, at, Role::Ink, 0.6});
    const bool beside =
        layout.Place({{at.x + 4, bottom - above}, Anchor::Start, mark.label}, true) ||
        layout.Place({{at.x - 4, bottom - above}, Anchor::End, mark.label}, true);
    if (!beside && layout.Place({{at.x, below}, Anchor::Middle, mark.label}, true)) below += 15;
    above += 15;
  }
  for (const ChartTick& t : plot.diameterTicks) {
    layout.Place({{layout.At(t.at, 0).x, bottom + 14}, Anchor::Middle, t.label});
  }
  for (const ChartTick& t : plot.valueTicks) {
    layout.Place({{left - 4, layout.At(0, t.at).y + 3}, Anchor::End, t.label});
  }
  return layout.Take(plot.description);
}

}  // namespace brenmor

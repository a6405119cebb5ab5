#include "brenmor/weight_plot.h"

#include <algorithm>
#include <cmath>

#include "brenmor/number_text.h"
#include "svg_writer.h"

namespace brenmor {
namespace {

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

std::string LeastWeightNote(const Wall& wall) {
  if (wall.error == WallError::NotSized) return "Calculate a design to see its wall and weight";
  if (wall.error != WallError::None) return Message(wall.error);
  return "This diameter weighs " + PercentOfLeastText(wall) +
         " % of the least, both at minimum thicknesses";
}

WeightPlot WeightPlotOf(const std::optional<DesignValues>& calculated, const Wall& wall) {
  WeightPlot plot;
  plot.axisTitles = {"D (mm)", "Empty weight (kg)"};
  plot.note = LeastWeightNote(wall);
  plot.description = "No weight curve: " + plot.note;
  if (!calculated || wall.error != WallError::None) return plot;
  const std::vector<WeightPoint> curve = WeightCurve(*calculated, wall);
  const double D =
      SizeDesign(calculated->P, calculated->C, calculated->S, calculated->E, calculated->V).size.D;
  const Axis diameters{std::min(curve.front().D, D), std::max(curve.back().D, D)};
  double heaviest = 0;
  for (const WeightPoint& p : curve) heaviest = std::max(heaviest, p.kg);
  const Axis weights{0, heaviest * 1.05};
  for (const WeightPoint& p : curve) plot.curve.push_back({diameters.At(p.D), weights.At(p.kg)});
  plot.design = ChartPoint{diameters.At(D), weights.At(wall.designKg)};
  plot.least = ChartPoint{diameters.At(wall.leastD), weights.At(wall.leastKg)};
  plot.markLabels = {"D = " + FormatRounded(D, 0) + " mm",
                     "least at " + FormatFixed(wall.leastD, 0) + " mm"};
  plot.diameterTicks = Ticks(diameters);
  plot.weightTicks = Ticks(weights);
  plot.note = LeastWeightNote(wall);
  plot.description = "Empty weight against diameter: the design at " + plot.markLabels[0] +
                     ", the least weight at " + FormatFixed(wall.leastD, 0) + " mm; " + plot.note;
  return plot;
}

std::string WeightPlotSvg(const WeightPlot& plot, int width, int height, const std::string& ink,
                          const std::string& paper, const std::string& accent) {
  SvgWriter svg(width, height);
  svg.Open(ink, plot.description);
  svg.Element("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", paper}});
  svg.Frame(ink);
  for (const ChartTick& t : plot.diameterTicks) svg.Text(t.at, 0, "middle", t.label, 0, 14);
  for (const ChartTick& t : plot.weightTicks) svg.Text(0, t.at, "end", t.label, -4, 3);
  svg.Text(0.5, 0, "middle", plot.axisTitles[0], 0, 32);
  svg.Text(0, 1, "start", plot.axisTitles[1], 8 - SvgWriter::kMargin, -20);
  if (plot.curve.empty()) {
    svg.Text(0.5, 0.5, "middle", plot.note);
    return svg.Close();
  }
  std::string points;
  for (const ChartPoint& p : plot.curve) points += svg.Point(p) + ' ';
  svg.Element("polyline", {{"points", points}, {"fill", "none"}, {"stroke", ink}});
  svg.Segment({plot.least->x, 0}, *plot.least, ink, "0.6");
  svg.Text(plot.least->x, 0, "start", plot.markLabels[1], 4, -6);
  svg.Dot(*plot.design, accent);
  svg.Text(plot.design->x, plot.design->y, "start", plot.markLabels[0], 6, -8);
  return svg.Close();
}

}  // namespace brenmor

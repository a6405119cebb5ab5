#include "brenmor/chart.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "brenmor/number_text.h"
#include "factors.h"
#include "svg_writer.h"

namespace brenmor {
namespace {

constexpr double kMmPerFoot = kMmPerInch * 12;
constexpr double kMetresPerFoot = kMmPerFoot / 1000;
constexpr double kDefaultVolume = 1000;  // ft^3, for a chart with no design

// A logarithmic axis from `low` to `high`, whole decades.
struct LogAxis {
  double low;
  double high;
  double At(double value) const {
    return (std::log10(value) - std::log10(low)) / (std::log10(high) - std::log10(low));
  }
};

double Decade(double value) { return std::pow(10.0, std::floor(std::log10(value))); }

double RowDiameterFeet(const SizingRow& row, double V) { return row.A * std::pow(V, row.B); }

// Labels closer than this share of the plot's height would run together.
constexpr double kLabelSpacing = 0.035;

// Marks at `steps` of each decade within the axis, of a quantity that is
// `factor` times the axis's own.
std::vector<ChartTick> Ticks(const LogAxis& axis, double factor,
                             std::initializer_list<double> steps) {
  std::vector<ChartTick> ticks;
  const auto first = static_cast<int>(std::floor(std::log10(axis.low * factor)));
  const auto last = static_cast<int>(std::ceil(std::log10(axis.high * factor)));
  for (int exponent = first; exponent <= last; ++exponent) {
    for (const double step : steps) {
      const double value = std::pow(10.0, exponent) * step;
      const double at = axis.At(value / factor);
      if (at >= -1e-9 && at <= 1 + 1e-9) ticks.push_back({at, FormatRounded(value, 6)});
    }
  }
  return ticks;
}

// The volumes: whole decades with at least one either side of V.
LogAxis VolumeAxis(double V) {
  const double decade = Decade(V > 0 && std::isfinite(V) ? V : kDefaultVolume);
  return {decade / 10, decade * 100};
}

// The diameters: whole decades holding every line across the volumes, and
// the design's diameter.
LogAxis DiameterAxis(const LogAxis& volumes, std::optional<double> designFeet) {
  double low = designFeet.value_or(INFINITY);
  double high = designFeet.value_or(0);
  for (const SizingRow& row : SizingTable) {
    low = std::min(low, RowDiameterFeet(row, volumes.low));
    high = std::max(high, RowDiameterFeet(row, volumes.high));
  }
  return {Decade(low), Decade(high) * (Decade(high) == high ? 1 : 10)};
}

// Each line is labelled at its right end, the two strong ones always, the
// others from the top down when they leave room.
void LabelLines(std::vector<ChartLine>& lines) {
  std::vector<double> shown;
  for (const bool strongFirst : {true, false}) {
    for (ChartLine& line : lines) {
      if (line.strong != strongFirst) continue;
      line.labelled =
          std::none_of(shown.begin(), shown.end(),
                       [&](double y) { return std::fabs(y - line.to.y) < kLabelSpacing; }) ||
          line.strong;
      if (line.labelled) shown.push_back(line.to.y);
    }
  }
}

Chart Lines(const LogAxis& volumes, const LogAxis& diameters) {
  Chart chart;
  for (std::size_t i = 0; i < SizingTable.size(); ++i) {
    const SizingRow& row = SizingTable[i];
    chart.lines.push_back({static_cast<int>(i) + 1,
                           FormatValue(row.Ft),
                           {0, diameters.At(RowDiameterFeet(row, volumes.low))},
                           {1, diameters.At(RowDiameterFeet(row, volumes.high))},
                           false});
  }
  // Volumes' labels are long: 1 and 5 of a decade leave room for them.
  chart.volumeTicks = Ticks(volumes, 1, {1, 5});
  chart.diameterTicks = Ticks(diameters, 1, {1, 2, 5});
  chart.volumeTicksSI = Ticks(volumes, 1 / kCubicFeetPerCubicMetre, {1, 5});
  chart.diameterTicksSI = Ticks(diameters, kMetresPerFoot, {1, 2, 5});
  chart.axisTitles = {"V (ft^3)", "D (ft)", "V (m^3)", "D (m)"};
  LabelLines(chart.lines);
  return chart;
}

void PlaceDesign(Chart& chart, const Evaluation& e, const LogAxis& volumes,
                 const LogAxis& diameters) {
  const VesselSize& size = e.sizing.size;
  const double V = e.Values().V;
  chart.design = ChartPoint{volumes.At(V), diameters.At(size.D / kMmPerFoot)};
  for (const Result result : kResults) {
    const ResultInfo& info = Info(result);
    const std::string unit =
        result == Result::F || info.unit.empty() ? "" : " " + std::string(info.unit);
    chart.designLabel.push_back(std::string(info.label) + " = " + e.Text(result) + unit);
  }
  ChartLine& lo = chart.lines[static_cast<std::size_t>(size.row - 2)];
  ChartLine& hi = chart.lines[static_cast<std::size_t>(size.row - 1)];
  lo.strong = hi.strong = true;
  LabelLines(chart.lines);
  chart.band = {lo.from, lo.to, hi.to, hi.from};
  const bool extrapolated = *e.sizing.F < SizingTable.front().Ft;
  if (extrapolated) chart.note = "F is below the first line: the diameter is extrapolated";
  chart.description = "Design at V = " + FormatRounded(V, 3) + " ft^3 and D = " + e.dText +
                      " mm, " +
                      (extrapolated ? "below the line of F = " + lo.label
                                    : "between the lines of F = " + lo.label + " and " + hi.label);
}

// The chart's own marks, on the writer's plot area.
void Ticks(SvgWriter& svg, const Chart& chart) {
  for (const ChartTick& t : chart.volumeTicks) svg.Text(t.at, 0, "middle", t.label, 0, 14);
  for (const ChartTick& t : chart.volumeTicksSI) svg.Text(t.at, 1, "middle", t.label, 0, -6);
  for (const ChartTick& t : chart.diameterTicks) svg.Text(0, t.at, "end", t.label, -4, 3);
  for (const ChartTick& t : chart.diameterTicksSI) svg.Text(1, t.at, "start", t.label, 4, 3);
  const auto& titles = chart.axisTitles;
  const double margin = SvgWriter::kMargin;
  svg.Text(0.5, 0, "middle", titles[0], 0, 32);
  svg.Text(0, 1, "start", titles[1], 8 - margin, -20);
  svg.Text(0.5, 1, "middle", titles[2], 0, -28);
  svg.Text(1, 1, "end", titles[3], margin - 8, -20);
}

void Band(SvgWriter& svg, const std::array<ChartPoint, 4>& band, const std::string& accent) {
  std::string points;
  for (const ChartPoint& p : band) points += svg.Point(p) + ' ';
  svg.Element("polygon", {{"points", points}, {"fill", accent}, {"fill-opacity", "0.15"}});
}

void Line(SvgWriter& svg, const ChartLine& line, const std::string& colour) {
  svg.Segment(line.from, line.to, colour, line.strong ? "2" : "0.6");
  if (line.labelled) svg.Text(1, line.to.y, "end", line.label, -3, -2);
}

void Design(SvgWriter& svg, ChartPoint at, const std::vector<std::string>& label,
            const std::string& paper, const std::string& accent) {
  svg.Element("rect", {{"x", SvgWriter::Number(svg.X(at.x) + 6)},
                       {"y", SvgWriter::Number(svg.Y(at.y) - 40)},
                       {"width", "84"},
                       {"height", "50"},
                       {"fill", paper},
                       {"fill-opacity", "0.85"}});
  svg.Dot(at, accent);
  for (std::size_t i = 0; i < label.size(); ++i) {
    svg.Text(at.x, at.y, "start", label[i], 8, -30 + 12.0 * static_cast<double>(i));
  }
}

}  // namespace

Chart EmptyChart() {
  const LogAxis volumes = VolumeAxis(kDefaultVolume);
  Chart chart = Lines(volumes, DiameterAxis(volumes, std::nullopt));
  chart.description = "The correlation's lines, no design yet";
  return chart;
}

Chart ChartOf(const DesignValues& calculated) {
  const Evaluation e = Evaluate(InBaseUnits(calculated), std::nullopt);
  const LogAxis volumes = VolumeAxis(calculated.V);
  if (e.status != Status::Sized) {
    Chart chart = Lines(volumes, DiameterAxis(volumes, std::nullopt));
    chart.note = e.message;
    chart.description = "No design: " + e.message;
    return chart;
  }
  const LogAxis diameters = DiameterAxis(volumes, e.sizing.size.D / kMmPerFoot);
  Chart chart = Lines(volumes, diameters);
  PlaceDesign(chart, e, volumes, diameters);
  return chart;
}

std::string ChartSvg(const Chart& chart, int width, int height, const std::string& ink,
                     const std::string& paper, const std::string& accent) {
  SvgWriter svg(width, height);
  svg.Open(ink, chart.description);
  svg.Element("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", paper}});
  svg.Frame(ink);
  Ticks(svg, chart);
  if (chart.design) Band(svg, chart.band, accent);
  for (const ChartLine& line : chart.lines) Line(svg, line, line.strong ? accent : ink);
  if (chart.design) Design(svg, *chart.design, chart.designLabel, paper, accent);
  if (!chart.note.empty()) svg.Text(0.5, 0.97, "middle", chart.note);
  return svg.Close();
}

}  // namespace brenmor

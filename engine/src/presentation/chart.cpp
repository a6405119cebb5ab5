#include "brenmor/presentation/chart.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "brenmor/numbers/number_text.h"
#include "design/factors.h"
#include "layout.h"

namespace brenmor {
namespace {

constexpr double kMmPerFoot = kMmPerInch * kInchesPerFoot;
constexpr double kMetresPerFoot = kMmPerFoot / kMmPerMetre;
constexpr double kDefaultVolume = 1000;  // ft^3, for a chart with no design
constexpr Margins kMargins{56, 48, 56, 40};
constexpr double kLineHeight = 12;

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
  return chart;
}

void PlaceDesign(Chart& chart, const Calculation& c, const LogAxis& volumes,
                 const LogAxis& diameters) {
  const VesselSize& size = c.sizing.size;
  const double V = c.Values().V;
  chart.design = ChartPoint{volumes.At(V), diameters.At(size.D / kMmPerFoot)};
  for (const Figure figure : {Figure::F, Figure::D, Figure::L, Figure::LengthOverD}) {
    const FigureInfo& info = Info(figure);
    const std::string shown =
        figure == Figure::F ? c.Text(figure) : WithUnit(figure, c.Text(figure));
    chart.designLabel.push_back(std::string(info.label) + " = " + shown);
  }
  ChartLine& lo = chart.lines[static_cast<std::size_t>(size.row - 2)];
  ChartLine& hi = chart.lines[static_cast<std::size_t>(size.row - 1)];
  lo.strong = hi.strong = true;
  chart.band = {lo.from, lo.to, hi.to, hi.from};
  const bool extrapolated = *c.sizing.F < SizingTable.front().Ft;
  if (extrapolated) chart.note = "F is below the first line: the diameter is extrapolated";
  chart.description = "Design at V = " + FormatRounded(V, 3) +
                      " ft^3 and D = " + c.Text(Figure::D) + " mm, " +
                      (extrapolated ? "below the line of F = " + lo.label
                                    : "between the lines of F = " + lo.label + " and " + hi.label);
}

// The picture of a chart: graphics, then labels by their importance.
class ChartDrawing {
 public:
  ChartDrawing(const Chart& chart, double width, double height)
      : chart_(chart), layout_(width, height, kMargins) {}

  Drawing Take() {
    Graphics();
    Titles();
    if (!chart_.note.empty()) {
      layout_.PlaceWrapped(chart_.note, (layout_.Left() + layout_.Right()) / 2, layout_.Top() + 14,
                           layout_.Right() - layout_.Left() - 8);
    }
    if (chart_.design) DesignLabel();
    // The lower line first, so that the upper one's label clears it upwards.
    for (std::size_t i = chart_.lines.size(); i-- > 0;) {
      if (chart_.lines[i].strong) StrongLineLabel(chart_.lines[i]);
    }
    Ticks();
    for (const ChartLine& line : chart_.lines) {
      if (!line.strong) layout_.Place(AboveRightEnd(line), true);
    }
    return layout_.Take(chart_.description);
  }

 private:
  Point At(ChartPoint p) const { return layout_.At(p.x, p.y); }

  void Graphics() {
    layout_.Draw(Box{{layout_.Left(), layout_.Top()},
                     layout_.Right() - layout_.Left(),
                     layout_.Bottom() - layout_.Top(),
                     std::nullopt,
                     1,
                     Role::Ink});
    if (chart_.design) {
      std::vector<Point> band;
      for (const ChartPoint& p : chart_.band) band.push_back(At(p));
      layout_.Draw(Band{std::move(band), Role::Accent, 0.15});
    }
    for (const ChartLine& line : chart_.lines) {
      layout_.Draw(Line{At(line.from), At(line.to), line.strong ? Role::Accent : Role::Ink,
                        line.strong ? 2.0 : 0.6});
    }
    if (chart_.design) layout_.Draw(Circle{At(*chart_.design), 4, Role::Accent});
  }

  void Titles() {
    const auto& titles = chart_.axisTitles;
    const double middle = (layout_.Left() + layout_.Right()) / 2;
    layout_.Place({{middle, layout_.Height() - 6}, Anchor::Middle, titles[0]});
    layout_.Place({{4, layout_.Top() - 20}, Anchor::Start, titles[1]});
    layout_.Place({{middle, 12}, Anchor::Middle, titles[2]});
    layout_.Place({{layout_.Width() - 4, layout_.Top() - 20}, Anchor::End, titles[3]});
  }

  // A line's F at its right end, just above it: the line rises to the
  // right, so it runs below its own label. `further` lifts it by lines.
  Label AboveRightEnd(const ChartLine& line, int further = 0) const {
    const Point end = At(line.to);
    return {{end.x - 3, end.y - 4 - kLineHeight * further}, Anchor::End, line.label};
  }
  // Or at its left end, just below it, for the same reason.
  Label BelowLeftEnd(const ChartLine& line, int further = 0) const {
    const Point start = At(line.from);
    return {{start.x + 3, start.y + 11 + kLineHeight * further}, Anchor::Start, line.label};
  }

  // The two lines around the design are read first: each is labelled at
  // one end or the other, as near its line as there is room.
  void StrongLineLabel(const ChartLine& line) {
    for (int further = 0; further < 3; ++further) {
      if (layout_.Place(AboveRightEnd(line, further), true)) return;
    }
    for (int further = 0; further < 3; ++further) {
      if (layout_.Place(BelowLeftEnd(line, further), true)) return;
    }
  }

  // F, D, L and L/D beside the point, on whichever side has room.
  void DesignLabel() {
    const Point at = At(*chart_.design);
    const auto& words = chart_.designLabel;
    const double height = kLineHeight * static_cast<double>(words.size());
    double widest = 0;
    for (const std::string& w : words) widest = std::max(widest, TextWidth(w));
    for (const auto& [dx, dy] :
         {std::pair{8.0, -height}, std::pair{8.0, 12.0}, std::pair{-8.0 - widest, -height},
          std::pair{-8.0 - widest, 12.0}}) {
      std::vector<Label> lines;
      for (std::size_t i = 0; i < words.size(); ++i) {
        lines.push_back({{at.x + dx, at.y + dy + kLineHeight * static_cast<double>(i) + 4},
                         Anchor::Start,
                         words[i]});
      }
      if (layout_.PlaceLines(lines, true)) return;
    }
  }

  void Ticks() {
    const double left = layout_.Left();
    const double right = layout_.Right();
    const double top = layout_.Top();
    const double bottom = layout_.Bottom();
    for (const ChartTick& t : chart_.volumeTicks) {
      layout_.Place({{layout_.At(t.at, 0).x, bottom + 14}, Anchor::Middle, t.label});
    }
    for (const ChartTick& t : chart_.diameterTicks) {
      layout_.Place({{left - 4, layout_.At(0, t.at).y + 3}, Anchor::End, t.label});
    }
    for (const ChartTick& t : chart_.volumeTicksSI) {
      layout_.Place({{layout_.At(t.at, 0).x, top - 6}, Anchor::Middle, t.label});
    }
    for (const ChartTick& t : chart_.diameterTicksSI) {
      layout_.Place({{right + 4, layout_.At(0, t.at).y + 3}, Anchor::Start, t.label});
    }
  }

  const Chart& chart_;
  Layout layout_;
};

}  // namespace

Chart ChartOf(const Calculation* c) {
  const double V = c != nullptr ? c->Values().V : kDefaultVolume;
  const LogAxis volumes = VolumeAxis(V);
  if (c == nullptr || !c->Sized()) {
    Chart chart = Lines(volumes, DiameterAxis(volumes, std::nullopt));
    if (c == nullptr) {
      chart.description = "The correlation's lines, no design yet";
      return chart;
    }
    chart.note = Message(c->problem);
    chart.description = "No design: " + chart.note;
    return chart;
  }
  const LogAxis diameters = DiameterAxis(volumes, c->sizing.size.D / kMmPerFoot);
  Chart chart = Lines(volumes, diameters);
  PlaceDesign(chart, *c, volumes, diameters);
  return chart;
}

Drawing DrawChart(const Chart& chart, double width, double height) {
  return ChartDrawing(chart, width, height).Take();
}

}  // namespace brenmor

// A small SVG document writer for the engine's plots: a plot area framed by
// margins, places given as fractions of it, every text escaped.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "brenmor/chart.h"
#include "brenmor/number_text.h"

namespace brenmor {

class SvgWriter {
 public:
  using Attributes = std::initializer_list<std::pair<std::string_view, std::string>>;
  static constexpr double kMargin = 56;

  SvgWriter(int width, int height)
      : width_(width), height_(height), right_(width - kMargin), bottom_(height - kMargin) {}

  void Open(const std::string& ink, const std::string& description) {
    text_ = R"(<svg xmlns="http://www.w3.org/2000/svg" font-family="sans-serif" font-size="10")";
    text_ += Attribute("viewBox", "0 0 " + FormatValue(width_) + ' ' + FormatValue(height_));
    text_ += Attribute("fill", ink) + Attribute("role", "img") + "><title>" + Escaped(description) +
             "</title>";
  }
  std::string Close() { return std::move(text_) + "</svg>"; }

  void Element(std::string_view tag, Attributes attributes) {
    ((text_ += '<') += tag);
    for (const auto& [name, value] : attributes) text_ += Attribute(name, value);
    text_ += "/>";
  }

  // Text at a place of the plot, or off it in the margins.
  void Text(double x, double y, std::string_view anchor, const std::string& words, double dx = 0,
            double dy = 0) {
    text_ += "<text" + Attribute("x", Number(X(x) + dx)) + Attribute("y", Number(Y(y) + dy)) +
             Attribute("text-anchor", std::string(anchor)) + '>' + Escaped(words) + "</text>";
  }

  void Frame(const std::string& ink) {
    Element("rect", {{"x", Number(kMargin)},
                     {"y", Number(kMargin)},
                     {"width", Number(right_ - kMargin)},
                     {"height", Number(bottom_ - kMargin)},
                     {"fill", "none"},
                     {"stroke", ink}});
  }

  void Segment(ChartPoint from, ChartPoint to, const std::string& colour, std::string width) {
    Element("line", {{"x1", Number(X(from.x))},
                     {"y1", Number(Y(from.y))},
                     {"x2", Number(X(to.x))},
                     {"y2", Number(Y(to.y))},
                     {"stroke", colour},
                     {"stroke-width", std::move(width)}});
  }

  void Dot(ChartPoint at, const std::string& colour) {
    Element("circle",
            {{"cx", Number(X(at.x))}, {"cy", Number(Y(at.y))}, {"r", "4"}, {"fill", colour}});
  }

  std::string Point(ChartPoint p) const { return Number(X(p.x)) + ',' + Number(Y(p.y)); }
  double X(double at) const { return kMargin + at * (right_ - kMargin); }
  double Y(double at) const { return bottom_ - at * (bottom_ - kMargin); }
  static std::string Number(double x) { return FormatRounded(x, 1); }

 private:
  static std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
      switch (c) {
        case '&':
          escaped += "&amp;";
          break;
        case '<':
          escaped += "&lt;";
          break;
        case '>':
          escaped += "&gt;";
          break;
        default:
          escaped += c;
      }
    }
    return escaped;
  }
  static std::string Attribute(std::string_view name, const std::string& value) {
    return ' ' + std::string(name) + R"(=")" + Escaped(value) + '"';
  }

  int width_;
  int height_;
  double right_;
  double bottom_;
  std::string text_;
};

}  // namespace brenmor

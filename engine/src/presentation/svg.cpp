#include "brenmor/presentation/svg.h"

#include <string_view>
#include <utility>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

std::string Escaped(std::string_view text) {
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
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Number(double x) { return FormatRounded(x, 1); }

class Writer {
 public:
  explicit Writer(const Palette& palette) : palette_(palette) {}

  void operator()(const Line& s) {
    Open("line");
    Attribute("x1", Number(s.from.x));
    Attribute("y1", Number(s.from.y));
    Attribute("x2", Number(s.to.x));
    Attribute("y2", Number(s.to.y));
    Attribute("stroke", Colour(s.role));
    Attribute("stroke-width", Number(s.width));
    text_ += "/>";
  }
  void operator()(const Polyline& s) {
    Open("polyline");
    Attribute("points", Points(s.points));
    Attribute("fill", "none");
    Attribute("stroke", Colour(s.role));
    Attribute("stroke-width", Number(s.width));
    text_ += "/>";
  }
  void operator()(const Band& s) {
    Open("polygon");
    Attribute("points", Points(s.points));
    Attribute("fill", Colour(s.role));
    if (s.opacity < 1) Attribute("fill-opacity", FormatRounded(s.opacity, 2));
    text_ += "/>";
  }
  void operator()(const Box& s) {
    Open("rect");
    Attribute("x", Number(s.at.x));
    Attribute("y", Number(s.at.y));
    Attribute("width", Number(s.width));
    Attribute("height", Number(s.height));
    Attribute("fill", s.fill ? Colour(*s.fill) : "none");
    if (s.fill && s.fillOpacity < 1) Attribute("fill-opacity", FormatRounded(s.fillOpacity, 2));
    if (s.stroke) Attribute("stroke", Colour(*s.stroke));
    text_ += "/>";
  }
  void operator()(const Circle& s) {
    Open("circle");
    Attribute("cx", Number(s.centre.x));
    Attribute("cy", Number(s.centre.y));
    Attribute("r", Number(s.radius));
    Attribute("fill", Colour(s.role));
    text_ += "/>";
  }
  void operator()(const Label& s) {
    Open("text");
    Attribute("x", Number(s.at.x));
    Attribute("y", Number(s.at.y));
    if (s.anchor != Anchor::Start) {
      Attribute("text-anchor", s.anchor == Anchor::Middle ? "middle" : "end");
    }
    if (s.role != Role::Ink) Attribute("fill", Colour(s.role));
    (text_ += '>') += Escaped(s.words);
    text_ += "</text>";
  }

  std::string Take(const Drawing& drawing) {
    const std::string shapes = std::exchange(text_, {});
    Open("svg");
    Attribute("xmlns", "http://www.w3.org/2000/svg");
    Attribute("font-family", "sans-serif");
    Attribute("font-size", Number(kTextSize));
    Attribute("viewBox", "0 0 " + Number(drawing.width) + ' ' + Number(drawing.height));
    Attribute("fill", palette_.ink);
    Attribute("role", "img");
    ((text_ += "><title>") += Escaped(drawing.title)) += "</title>";
    return std::move(text_) + shapes + "</svg>";
  }

 private:
  void Open(std::string_view tag) { (text_ += '<') += tag; }
  void Attribute(std::string_view name, std::string_view value) {
    ((((text_ += ' ') += name) += "=\"") += Escaped(value)) += '"';
  }
  std::string Colour(Role role) const {
    switch (role) {
      case Role::Ink:
        return palette_.ink;
      case Role::Paper:
        return palette_.paper;
      case Role::Accent:
        break;
    }
    return palette_.accent;
  }
  static std::string Points(const std::vector<Point>& points) {
    std::string text;
    for (const Point& p : points) {
      if (!text.empty()) text += ' ';
      (text += Number(p.x)) += ',' + Number(p.y);
    }
    return text;
  }

  const Palette& palette_;
  std::string text_;
};

}  // namespace

Palette PagePalette() { return {"currentColor", "#ffffff", "#2a7ab8"}; }

std::string SvgOf(const Drawing& drawing, const Palette& palette) {
  Writer writer(palette);
  for (const Shape& shape : drawing.shapes) std::visit(writer, shape);
  return writer.Take(drawing);
}

}  // namespace brenmor

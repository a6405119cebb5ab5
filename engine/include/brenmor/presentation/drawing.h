// A picture as the engine lays it out: shapes in the order they are drawn,
// at places in user units (a pixel at 96 DPI, y down from the top left),
// with their colours named by role. The SVG writer and the window's painter
// only replay it, so the page, a saved file and the window show one picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brenmor {

// What a colour is for; each front end gives each role its colour.
enum class Role { Ink, Paper, Accent };

struct Point {
  double x = 0;
  double y = 0;
};

struct Line {
  Point from;
  Point to;
  Role role = Role::Ink;
  double width = 1;
};

struct Polyline {
  std::vector<Point> points;
  Role role = Role::Ink;
  double width = 1;
};

// A closed shape filled with its role's colour at an opacity.
struct Band {
  std::vector<Point> points;
  Role role = Role::Accent;
  double opacity = 1;
};

// A rectangle, filled, outlined or both.
struct Box {
  Point at;  // top left
  double width = 0;
  double height = 0;
  std::optional<Role> fill;
  double fillOpacity = 1;
  std::optional<Role> stroke;
};

struct Circle {
  Point centre;
  double radius = 0;
  Role role = Role::Accent;
};

enum class Anchor { Start, Middle, End };

inline constexpr double kTextSize = 10;

// One line of text, its baseline at `at`.
struct Label {
  Point at;
  Anchor anchor = Anchor::Start;
  std::string words;
  Role role = Role::Ink;
};

using Shape = std::variant<Line, Polyline, Band, Box, Circle, Label>;

struct Drawing {
  double width = 0;
  double height = 0;
  std::string title;  // the picture in words, for a screen reader
  std::vector<Shape> shapes;
};

// The room a label takes, a little more than any sans face of its size
// needs, so that labels kept apart here are apart on every screen.
struct Extent {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  bool Overlaps(const Extent& other) const;
  bool Inside(double width, double height) const;
};
Extent ExtentOf(const Label& label);
double TextWidth(std::string_view words);

}  // namespace brenmor

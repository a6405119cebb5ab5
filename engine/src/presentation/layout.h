// A plot laid out on a picture: the plot area inside its margins, the
// fractions of it turned into places, and labels placed only where they
// overlap no other label and stay inside the picture. Graphics are drawn
// first and labels over them, on a paper ground where they ask for one,
// whatever order they were placed in.
#pragma once

#include <string>
#include <vector>

#include "brenmor/presentation/drawing.h"

namespace brenmor {

struct Margins {
  double left;
  double top;
  double right;
  double bottom;
};

class Layout {
 public:
  Layout(double width, double height, const Margins& margins);

  double Left() const { return left_; }
  double Top() const { return top_; }
  double Right() const { return right_; }
  double Bottom() const { return bottom_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  // A place of the plot area: x from its left edge, y from its bottom
  // edge, each a fraction of its side.
  Point At(double x, double y) const;

  void Draw(Shape shape) { graphics_.push_back(std::move(shape)); }

  // Each places its label or lines of text only if none overlaps a label
  // placed before, with a gap, and all lie inside the picture; whether it did.
  bool Place(const Label& label, bool onPaper = false);
  bool PlaceLines(const std::vector<Label>& lines, bool onPaper);
  // `words` in lines no wider than `width`, centred on x from the baseline y.
  bool PlaceWrapped(const std::string& words, double x, double y, double width);

  Drawing Take(std::string title);

 private:
  bool Free(const Extent& extent) const;

  double width_;
  double height_;
  double left_;
  double top_;
  double right_;
  double bottom_;
  std::vector<Extent> placed_;
  std::vector<Shape> graphics_;
  std::vector<Shape> labels_;
};

}  // namespace brenmor

#include "brenmor/presentation/drawing.h"

namespace brenmor {
namespace {

// A digit of Liberation Sans or DejaVu Sans is 0.56 to 0.64 of the size;
// capitals and "m" are wider, "i" and "." narrower: 0.62 holds for the
// labels drawn here, which are mostly digits.
constexpr double kAdvance = 0.62;
constexpr double kAscent = 0.8;
constexpr double kDescent = 0.25;

std::size_t Characters(std::string_view words) {
  std::size_t count = 0;
  for (const char c : words) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

}  // namespace

double TextWidth(std::string_view words) {
  return kAdvance * kTextSize * static_cast<double>(Characters(words));
}

bool Extent::Overlaps(const Extent& other) const {
  return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool Extent::Inside(double width, double height) const {
  return left >= 0 && top >= 0 && right <= width && bottom <= height;
}

Extent ExtentOf(const Label& label) {
  const double width = TextWidth(label.words);
  double left = label.at.x;
  if (label.anchor == Anchor::Middle) left -= width / 2;
  if (label.anchor == Anchor::End) left -= width;
  return {left, label.at.y - kAscent * kTextSize, left + width, label.at.y + kDescent * kTextSize};
}

}  // namespace brenmor

#include "layout.h"

#include <algorithm>

namespace brenmor {
namespace {

constexpr double kGap = 2;
constexpr double kLineHeight = 12;
constexpr double kPaperOpacity = 0.85;

Extent Around(const std::vector<Label>& lines) {
  Extent all = ExtentOf(lines.front());
  for (const Label& line : lines) {
    const Extent e = ExtentOf(line);
    all = {std::min(all.left, e.left), std::min(all.top, e.top), std::max(all.right, e.right),
           std::max(all.bottom, e.bottom)};
  }
  return all;
}

// The words of a text, split at its spaces.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

std::vector<std::string> Wrapped(const std::string& text, double width) {
  std::vector<std::string> lines;
  std::string line;
  for (const std::string_view word : Words(text)) {
    const std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
    if (!line.empty() && TextWidth(longer) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

Layout::Layout(double width, double height, const Margins& margins)
    : width_(width),
      height_(height),
      left_(margins.left),
      top_(margins.top),
      right_(std::max(margins.left + 1, width - margins.right)),
      bottom_(std::max(margins.top + 1, height - margins.bottom)) {}

Point Layout::At(double x, double y) const {
  return {left_ + x * (right_ - left_), bottom_ - y * (bottom_ - top_)};
}

bool Layout::Free(const Extent& extent) const {
  const Extent padded{extent.left - kGap, extent.top - kGap, extent.right + kGap,
                      extent.bottom + kGap};
  return extent.Inside(width_, height_) &&
         std::none_of(placed_.begin(), placed_.end(),
                      [&](const Extent& e) { return e.Overlaps(padded); });
}

bool Layout::Place(const Label& label, bool onPaper) { return PlaceLines({label}, onPaper); }

bool Layout::PlaceLines(const std::vector<Label>& lines, bool onPaper) {
  if (lines.empty()) return true;
  const Extent all = Around(lines);
  if (!Free(all)) return false;
  placed_.push_back(all);
  if (onPaper) {
    labels_.emplace_back(Box{{all.left - 1, all.top - 1},
                             all.right - all.left + 2,
                             all.bottom - all.top + 2,
                             Role::Paper,
                             kPaperOpacity,
                             std::nullopt});
  }
  labels_.insert(labels_.end(), lines.begin(), lines.end());
  return true;
}

bool Layout::PlaceWrapped(const std::string& words, double x, double y, double width) {
  std::vector<Label> lines;
  for (std::string& line : Wrapped(words, width)) {
    lines.push_back({{x, y + kLineHeight * static_cast<double>(lines.size())},
                     Anchor::Middle,
                     std::move(line)});
  }
  return PlaceLines(lines, true);
}

Drawing Layout::Take(std::string title) {
  Drawing drawing{width_, height_, std::move(title), std::move(graphics_)};
  drawing.shapes.insert(drawing.shapes.end(), labels_.begin(), labels_.end());
  return drawing;
}

}  // namespace brenmor

// A drawing as an SVG document, each role in a colour of the caller's.
#pragma once

#include <string>

#include "brenmor/presentation/drawing.h"

namespace brenmor {

// The colour of each role, as SVG writes a colour.
struct Palette {
  std::string ink;
  std::string paper;
  std::string accent;
};

// The page's colours: its text colour, white paper and its blue.
Palette PagePalette();

std::string SvgOf(const Drawing& drawing, const Palette& palette);

}  // namespace brenmor

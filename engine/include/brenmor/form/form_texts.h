// The texts of the window and the page that belong to no value and no
// figure: the title, the buttons and menus, the panel's headings.
#pragma once

#include <string_view>

namespace brenmor {

// The texts of the window that belong to no value or figure.
struct FormTexts {
  std::string_view title = "Brenmor";
  // What Brenmor does, in one line, where there is room to say it.
  std::string_view tagline =
      "The first size of a cylindrical pressure vessel: from its design pressure, corrosion "
      "allowance, allowable stress, joint efficiency and volume, the optimum diameter and "
      "length, the wall, the weight and the cost.";
  std::string_view selectUnits = "<< Select Units >>";  // a unit list before a pick
  std::string_view calculate = "&Calculate";            // C is the mnemonic
  std::string_view revision = "Rev.Z";
  std::string_view date = "29-Sep-2012";
  std::string_view copyRecord = "Copy calculation record";
  std::string_view copyFailed = "The calculation record could not be copied to the clipboard";
  std::string_view showChart = "Show chart";
  std::string_view chartTitle = "Brenmor chart";
  std::string_view copyChart = "&Copy image";
  std::string_view saveChart = "&Save as...";
  std::string_view chartNotSaved = "The chart could not be saved as ";
  std::string_view wallTitle = "Wall, weight and cost";
  std::string_view headKind = "Heads";
  std::string_view plateStep = "Plate step";
  std::string_view orientation = "Orientation";
  std::string_view costIndex = "Cost index";
  std::string_view costIndexHelp =
      "The Chemical Engineering plant cost index to take the costs at: 567 is the correlations' "
      "own; enter the index of the year of the estimate.";
  std::string_view logo = "Brenmor logo";  // the picture's accessible name
  std::string_view separator = "Separator";
  std::string_view unitsOf = "Units of ";  // before a field's name: a unit list's name
  // When the window cannot open: what works without a display.
  std::string_view noDisplay =
      "the window needs a display (X11 or Wayland); without one, size with brenmor-size, or "
      "open the page brenmor.html (make web; installed in /usr/share/brenmor) in a browser";
};

inline constexpr FormTexts kFormTexts;

}  // namespace brenmor

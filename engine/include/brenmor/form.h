// The form every front end shows: the five design values with their names,
// units and defaults, the three results, and the texts around them. The
// window, the page, the list tool's headers and messages, the JSON and the
// calculation record all read these, so each fact stands here once.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace brenmor {

// The five design values.
enum class Field {
  P,  // design pressure, psi
  C,  // corrosion allowance, in
  S,  // allowable stress of the material, psi
  E,  // weld joint efficiency, no unit
  V,  // vessel volume, ft^3
};

inline constexpr std::array<Field, 5> kFields = {Field::P, Field::C, Field::S, Field::E, Field::V};

struct FieldInfo {
  std::string_view letter;    // "P": its name in a list's header, in P=… and in JSON
  std::string_view name;      // "design pressure": in messages and the unit list's name
  std::string_view longName;  // "allowable stress": in the calculation record
  std::string_view caption;   // the window's caption beside its box
  std::string_view help;      // what the box holds and how it is taken in
  std::span<const std::string_view> units;  // base unit first; E has none
  int decimals;                             // a committed value is written back to these
  std::string_view defaultText;             // what the box opens with
};

const FieldInfo& Info(Field field);

// The unit a field is held in; empty for E.
std::string_view BaseUnit(Field field);

// The field of that one-letter name, in either case.
std::optional<Field> FieldNamed(std::string_view letter);

// The results of a calculation: the window's three boxes, and L/D, which
// the record, the lists, the JSON and the chart add.
enum class Result {
  F,            // vessel factor, 1/in
  D,            // optimum diameter, mm
  L,            // length or height, mm
  LengthOverD,  // L/D
};

inline constexpr std::array<Result, 4> kResults = {Result::F, Result::D, Result::L,
                                                   Result::LengthOverD};

struct ResultInfo {
  std::string_view caption;  // beside its box, or in a list of results
  std::string_view help;     // what it is, for a tooltip or a screen reader
  std::string_view label;    // "D": in the summary and on the chart
  std::string_view name;     // "D_mm": a list's column and the JSON field
  std::string_view unit;     // "mm"; empty for L/D
  int decimals;              // shown to these
};

const ResultInfo& Info(Result result);

// The texts of the window that belong to no value.
struct FormTexts {
  std::string_view title = "Brenmor";
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
  std::string_view wallTitle = "Wall and weight";
  std::string_view headKind = "Heads";
  std::string_view plateStep = "Plate step";
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

// Every figure a design gives, in one table: its name (the JSON field and
// the list's column), caption, unit, how it is rounded, what it means, and
// where the page and the window show it. The form, the panels, the list's
// columns and table, the JSON, the summary and the record all read this
// table, so a figure is added as one row and its arithmetic.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace brenmor {

enum class Figure {
  F,               // vessel factor, 1/in
  D,               // optimum diameter, mm
  L,               // length or height, mm
  LengthOverD,     // L/D
  ShellThickness,  // nominal, mm
  HeadThickness,   // nominal, mm
  EmptyWeight,     // kg
  WaterWeight,     // kg
  LeastWeightD,    // the diameter of least weight, mm
  Mawp,            // the maximum allowable working pressure, psi
  TestPressure,    // the hydrostatic test pressure, psi
  VesselCost,      // USD
  PlatformsCost,   // USD
  LeastCostD,      // the diameter of least cost, mm
};

inline constexpr std::array<Figure, 14> kFigures = {Figure::F,
                                                    Figure::D,
                                                    Figure::L,
                                                    Figure::LengthOverD,
                                                    Figure::ShellThickness,
                                                    Figure::HeadThickness,
                                                    Figure::EmptyWeight,
                                                    Figure::WaterWeight,
                                                    Figure::LeastWeightD,
                                                    Figure::Mawp,
                                                    Figure::TestPressure,
                                                    Figure::VesselCost,
                                                    Figure::PlatformsCost,
                                                    Figure::LeastCostD};

// Which result a figure comes from: the sizing, the wall built on it, or
// what the wall as built holds and costs. Each has its message: why the
// size or the wall is refused, and where the costs leave their
// correlations' ranges. A list writes each group's figures and then its
// message, so the columns of a later group come after those of an earlier.
enum class Group { Size, Wall, Cost };
inline constexpr std::array<Group, 3> kGroups = {Group::Size, Group::Wall, Group::Cost};

// How a figure's number is written.
enum class Rounding {
  AsTheBoxes,  // rounded and written as the window's boxes write it: "0.2", "1703"
  Fixed,       // with exactly its decimals: "9.0", "7.30"
};

// Where a front end shows it: in the form's own boxes, or in the panel
// beside the chart.
enum class Place { Form, Panel };

struct FigureInfo {
  std::string_view name;     // "D_mm": the JSON field and the list's column
  std::string_view caption;  // "Diameter"
  std::string_view label;    // "D": on the chart, in the summary and atop a table's column
  std::string_view unit;     // "mm"; empty for none
  int decimals;
  Rounding rounding;
  Group group;
  Place place;
  std::string_view help;    // what it is, for a tooltip or a screen reader
  std::string_view pageId;  // the element that shows it, in the page and the window
};

const FigureInfo& Info(Figure figure);

// The figure's number as every front end writes it.
std::string FigureText(Figure figure, double value);

// "Diameter (mm)"; "L/D" without a unit.
std::string CaptionWithUnit(Figure figure);

// A shown figure with its unit after it ("9.5 mm"); empty stays empty.
std::string WithUnit(Figure figure, const std::string& shown);

// The columns a sized list adds after its own, which are also the JSON's
// fields after the values: each group's figures and then its message, the
// size's status before its message.
enum class ColumnKind { Figure, Status, Message };
struct ResultColumn {
  ColumnKind kind;
  Figure figure = Figure::F;  // of a Figure column
  Group group = Group::Size;  // whose message a Message column holds
};
std::span<const ResultColumn> ResultColumns();

// "D_mm", "status", "message", "wall_message".
std::string_view Name(const ResultColumn& column);
// As a table on screen heads it: "Diameter (mm)", "Status", "Wall message";
// and in short, where a table must be narrow: "D (mm)".
std::string Caption(const ResultColumn& column);
std::string ShortCaption(const ResultColumn& column);

}  // namespace brenmor

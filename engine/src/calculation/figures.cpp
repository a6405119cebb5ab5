#include "brenmor/calculation/figures.h"

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

using enum Rounding;

constexpr std::array<FigureInfo, kFigures.size()> kFigureInfo = {{
    {"F", "F", "F", "1/in", 3, AsTheBoxes, Group::Size, Place::Form,
     "Vessel factor F = P / (C S E), in 1/in, worked out again whenever P, C, S or E is taken in.",
     "txtF"},
    {"D_mm", "Diameter", "D", "mm", 0, AsTheBoxes, Group::Size, Place::Form,
     "Optimum diameter of the vessel, in millimetres, from the last Calculate.", "txtD"},
    {"L_mm", "Length or Height", "L", "mm", 0, AsTheBoxes, Group::Size, Place::Form,
     "Length or height that holds the volume at that diameter, in millimetres.", "txtL"},
    {"L_over_D", "L/D", "L/D", "", 2, Fixed, Group::Size, Place::Panel,
     "Length over diameter of the sized vessel.", "lengthOverD"},
    {"t_shell_mm", "Shell thickness", "Shell", "mm", 1, Fixed, Group::Wall, Place::Panel,
     "Nominal shell plate: the code's thin-wall thickness plus the corrosion allowance, rounded "
     "up to the plate step.",
     "tShell"},
    {"t_head_mm", "Head thickness", "Head", "mm", 1, Fixed, Group::Wall, Place::Panel,
     "Nominal plate of each head, worked out as the shell's for the head kind chosen.", "tHead"},
    {"weight_empty_kg", "Empty weight", "Empty", "kg", 0, Fixed, Group::Wall, Place::Panel,
     "The shell and two heads in steel; nozzles, supports and internals are not counted.",
     "weightEmpty"},
    {"weight_water_kg", "Full of water", "Water", "kg", 0, Fixed, Group::Wall, Place::Panel,
     "The empty weight plus the vessel's volume of water, for the foundations and the test.",
     "weightWater"},
    {"least_weight_D_mm", "Diameter of least weight", "D*", "mm", 0, Fixed, Group::Wall,
     Place::Panel, "The diameter at which the same volume weighs least, at minimum thicknesses.",
     "leastWeightD"},
    {"mawp_psi", "MAWP", "MAWP", "psi", 1, Fixed, Group::Cost, Place::Panel,
     "Maximum allowable working pressure: the least that the shell and the heads as built hold "
     "once corroded, at least the design pressure.",
     "mawp"},
    {"test_pressure_psi", "Hydrostatic test", "Test", "psi", 1, Fixed, Group::Cost, Place::Panel,
     "Hydrostatic test pressure: 1.3 times the MAWP, the stress ratio taken as 1.", "testPressure"},
    {"cost_usd", "Purchase cost", "Cost", "USD", 0, Fixed, Group::Cost, Place::Panel,
     "The vessel's purchase cost from its empty weight (Seider et al., 4th edition), times the "
     "material factor, at the cost index chosen.",
     "costVessel"},
    {"cost_platforms_usd", "Platforms and ladders", "Platforms", "USD", 0, Fixed, Group::Cost,
     Place::Panel, "The cost of its platforms and ladders, from its diameter and length.",
     "costPlatforms"},
    {"least_cost_D_mm", "Diameter of least cost", "Dc", "mm", 0, Fixed, Group::Cost, Place::Panel,
     "The diameter at which the vessel with its platforms costs least, at minimum thicknesses.",
     "leastCostD"},
}};

constexpr auto kColumns = [] {
  std::array<ResultColumn, kFigures.size() + kGroups.size() + 1> columns{};
  std::size_t at = 0;
  for (const Group group : kGroups) {
    for (const Figure figure : kFigures) {
      if (kFigureInfo[static_cast<std::size_t>(figure)].group == group) {
        columns[at++] = {ColumnKind::Figure, figure, group};
      }
    }
    if (group == Group::Size) columns[at++] = {ColumnKind::Status, Figure::F, group};
    columns[at++] = {ColumnKind::Message, Figure::F, group};
  }
  return columns;
}();

}  // namespace

const FigureInfo& Info(Figure figure) { return kFigureInfo[static_cast<std::size_t>(figure)]; }

std::string FigureText(Figure figure, double value) {
  const FigureInfo& info = Info(figure);
  return info.rounding == AsTheBoxes ? FormatRounded(value, info.decimals)
                                     : FormatFixed(value, info.decimals);
}

std::string CaptionWithUnit(Figure figure) {
  const FigureInfo& info = Info(figure);
  std::string caption(info.caption);
  if (!info.unit.empty()) ((caption += " (") += info.unit) += ')';
  return caption;
}

std::string WithUnit(Figure figure, const std::string& shown) {
  const std::string_view unit = Info(figure).unit;
  return shown.empty() || unit.empty() ? shown : shown + ' ' + std::string(unit);
}

std::span<const ResultColumn> ResultColumns() { return kColumns; }

std::string ShortCaption(const ResultColumn& column) {
  if (column.kind != ColumnKind::Figure) return Caption(column);
  const FigureInfo& info = Info(column.figure);
  std::string caption(info.label);
  if (!info.unit.empty()) ((caption += " (") += info.unit) += ')';
  return caption;
}

std::string_view Name(const ResultColumn& column) {
  switch (column.kind) {
    case ColumnKind::Figure:
      return Info(column.figure).name;
    case ColumnKind::Status:
      return "status";
    case ColumnKind::Message:
      break;
  }
  constexpr std::array<std::string_view, kGroups.size()> kMessages = {"message", "wall_message",
                                                                      "cost_message"};
  return kMessages[static_cast<std::size_t>(column.group)];
}

std::string Caption(const ResultColumn& column) {
  switch (column.kind) {
    case ColumnKind::Figure:
      return CaptionWithUnit(column.figure);
    case ColumnKind::Status:
      return "Status";
    case ColumnKind::Message:
      break;
  }
  constexpr std::array<std::string_view, kGroups.size()> kMessages = {"Message", "Wall message",
                                                                      "Cost note"};
  return std::string(kMessages[static_cast<std::size_t>(column.group)]);
}

}  // namespace brenmor

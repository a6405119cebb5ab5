#include "report.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "brenmor/design/units.h"
#include "brenmor/numbers/number_text.h"

namespace brenmor::cli {
namespace {

void Add(std::string& text, std::string_view label, const std::string& value,
         std::size_t width = 5) {
  text += label;
  text.append(width - std::min(width - 1, label.size()), ' ');
  text += value;
  text += '\n';
}

// The wall's figures, each under its caption, in a block of their own.
void AddWall(std::string& text, const Calculation& design, DecimalMark mark) {
  const Wall& wall = design.wall;
  text += "Wall and weight: ";
  (text += Caption(wall.options.head)) += " heads, plates in steps of ";
  (text += Caption(wall.options.step)) += '\n';
  if (wall.error != ProblemKind::None) {
    text += "  Not worked out: " + design.MessageOf(Group::Wall) + '\n';
    return;
  }
  constexpr std::size_t kWidth = 28;
  for (const Figure figure : kFigures) {
    if (Info(figure).group != Group::Wall) continue;
    Add(text, "  " + std::string(Info(figure).caption),
        WithUnit(figure, WithDecimalMark(design.Text(figure), mark)), kWidth);
  }
  Add(text, "  Design's weight / least",
      WithDecimalMark(FormatFixed(PercentOfLeast(wall), 2), mark) +
          " %, both at minimum thicknesses",
      kWidth);
}

// What the wall as built holds and what it costs, in a block of its own,
// with the note on the correlations' ranges.
void AddCost(std::string& text, const Calculation& design, DecimalMark mark) {
  const DesignOptions& o = design.options;
  (text += "Pressure and cost: ") += Name(o.orientation);
  text += " vessel, CE index " + WithDecimalMark(FormatValue(o.costIndex), mark) +
          ", material factor " + WithDecimalMark(FormatValue(o.materialFactor), mark) + '\n';
  constexpr std::size_t kWidth = 28;
  for (const Figure figure : kFigures) {
    if (Info(figure).group != Group::Cost) continue;
    Add(text, "  " + std::string(Info(figure).caption),
        WithUnit(figure, WithDecimalMark(design.Text(figure), mark)), kWidth);
  }
  const std::string note = design.MessageOf(Group::Cost);
  if (!note.empty()) text += "  " + note + '\n';
}

// A shown text as a JSON number: whole numbers as integers, none as null.
nlohmann::ordered_json Number(const std::string& shown) {
  if (shown.empty()) return nullptr;
  const double value = ParseValue(shown);
  constexpr double kExactIntegers = 0x1p53;
  if (value == std::nearbyint(value) && std::fabs(value) < kExactIntegers) {
    return static_cast<std::int64_t>(value);
  }
  return value;
}

}  // namespace

std::string Summary(const Calculation& design, DecimalMark mark) {
  std::string text;
  for (const Field field : kFields) {
    const std::optional<double>& value = design.committed[static_cast<std::size_t>(field)];
    const FieldInfo& info = Info(field);
    std::string shown = "refused";
    if (value) {
      // E has no box rounding: it is shown as it was taken.
      shown = field == Field::E ? FormatValue(*value) : DisplayText(field, *value);
      shown = WithDecimalMark(shown, mark);
      if (!info.units.empty()) (shown += ' ') += BaseUnit(field);
    }
    Add(text, info.letter, shown);
  }
  for (const Figure figure : kFigures) {
    if (Info(figure).group != Group::Size || design.Text(figure).empty()) continue;
    Add(text, Info(figure).label, WithUnit(figure, WithDecimalMark(design.Text(figure), mark)));
  }
  if (design.problem) return text + "Refused: " + Message(design.problem) + '\n';
  AddWall(text, design, mark);
  if (design.cost.given) AddCost(text, design, mark);
  return text;
}

std::string Json(const Calculation& design, const std::string* record) {
  nlohmann::ordered_json object;
  for (const Field field : kFields) {
    const std::optional<double>& value = design.committed[static_cast<std::size_t>(field)];
    object[std::string(Info(field).letter)] = value ? nlohmann::ordered_json(*value) : nullptr;
  }
  for (const ResultColumn& column : ResultColumns()) {
    const std::string name(Name(column));
    switch (column.kind) {
      case ColumnKind::Figure:
        object[name] = Number(design.Text(column.figure));
        break;
      case ColumnKind::Status:
        object[name] = StatusName(design.GetStatus());
        break;
      case ColumnKind::Message:
        object[name] = design.MessageOf(column.group);
        break;
    }
  }
  if (record != nullptr) object["record"] = *record;
  return object.dump(2) + '\n';
}

}  // namespace brenmor::cli

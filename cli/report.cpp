#include "report.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "brenmor/number_text.h"
#include "brenmor/units.h"

namespace brenmor::cli {
namespace {

void Add(std::string& text, std::string_view label, const std::string& value,
         std::size_t width = 5) {
  text += label;
  text.append(width - std::min(width - 1, label.size()), ' ');
  text += value;
  text += '\n';
}

// The wall's results, each under its caption, in a block of their own.
void AddWall(std::string& text, const Evaluation& design, DecimalMark mark) {
  const Wall& wall = design.wall;
  const WallTexts& shown = design.wallTexts;
  text += "Wall and weight: ";
  (text += Caption(wall.options.head)) += " heads, plates in steps of ";
  (text += Caption(wall.options.step)) += '\n';
  if (!shown.message.empty()) {
    text += "  Not worked out: " + shown.message + '\n';
    return;
  }
  constexpr std::size_t kWidth = 28;
  for (const WallResult result : kWallResults) {
    const WallResultInfo& info = Info(result);
    Add(text, "  " + std::string(info.caption),
        WithDecimalMark(shown[result], mark) + ' ' + std::string(info.unit), kWidth);
  }
  Add(text, "  Design's weight / least",
      WithDecimalMark(PercentOfLeastText(wall), mark) + " %, both at minimum thicknesses", kWidth);
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

std::string Summary(const Evaluation& design, DecimalMark mark) {
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
  const auto result = [&](Result r) {
    const ResultInfo& info = Info(r);
    std::string shown = WithDecimalMark(design.Text(r), mark);
    if (!info.unit.empty()) (shown += ' ') += info.unit;
    Add(text, info.label, shown);
  };
  if (!design.fText.empty()) result(Result::F);
  if (design.status != Status::Sized) return text + "Refused: " + design.message + '\n';
  for (const Result r : {Result::D, Result::L, Result::LengthOverD}) result(r);
  AddWall(text, design, mark);
  return text;
}

std::string Json(const Evaluation& design, const std::string* record) {
  nlohmann::ordered_json object;
  for (const Field field : kFields) {
    const std::optional<double>& value = design.committed[static_cast<std::size_t>(field)];
    object[std::string(Info(field).letter)] = value ? nlohmann::ordered_json(*value) : nullptr;
  }
  for (const Result result : kResults) {
    object[std::string(Info(result).name)] = Number(design.Text(result));
  }
  object["status"] = StatusName(design.status);
  object["message"] = design.message;
  for (const WallResult result : kWallResults) {
    object[std::string(Info(result).name)] = Number(design.wallTexts[result]);
  }
  object[std::string(kWallMessageName)] = design.wallTexts.message;
  if (record != nullptr) object["record"] = *record;
  return object.dump(2) + '\n';
}

}  // namespace brenmor::cli

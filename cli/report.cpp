#include "report.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "brenmor/number_text.h"
#include "brenmor/units.h"

namespace brenmor::cli {
namespace {

void Add(std::string& text, std::string_view label, const std::string& value) {
  text += label;
  text.append(5 - label.size(), ' ');
  text += value;
  text += '\n';
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
  if (!design.fText.empty()) Add(text, "F", WithDecimalMark(design.fText, mark) + " 1/in");
  if (design.status != Status::Sized) return text + "Refused: " + design.message + '\n';
  Add(text, "D", WithDecimalMark(design.dText, mark) + " mm");
  Add(text, "L", WithDecimalMark(design.lText, mark) + " mm");
  Add(text, "L/D", WithDecimalMark(design.lengthOverD, mark));
  return text;
}

std::string Json(const Evaluation& design, const std::string* record) {
  nlohmann::ordered_json object;
  for (const Field field : kFields) {
    const std::optional<double>& value = design.committed[static_cast<std::size_t>(field)];
    object[std::string(Info(field).letter)] = value ? nlohmann::ordered_json(*value) : nullptr;
  }
  object["F"] = Number(design.fText);
  object["D_mm"] = Number(design.dText);
  object["L_mm"] = Number(design.lText);
  object["L_over_D"] = Number(design.lengthOverD);
  object["status"] = StatusName(design.status);
  object["message"] = design.message;
  if (record != nullptr) object["record"] = *record;
  return object.dump(2) + '\n';
}

}  // namespace brenmor::cli

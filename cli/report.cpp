#include "report.h"

#include <nlohmann/json.hpp>

#include "brenmor/number_text.h"

namespace brenmor::cli {
namespace {

constexpr std::array<Field, 5> kFields = {Field::P, Field::C, Field::S, Field::E, Field::V};

std::string BaseUnit(Field field) {
  const auto names = UnitNames(field);
  return names.empty() ? std::string() : " " + std::string(names.front());
}

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

std::string Summary(const SizedDesign& design) {
  std::string text;
  for (const Field field : kFields) {
    const auto& value = design.committed[static_cast<std::size_t>(field)];
    const std::string shown =
        field == Field::E ? FormatValue(value.value_or(0)) : DisplayText(field, value.value_or(0));
    Add(text, FieldName(field), value ? shown + BaseUnit(field) : "refused");
  }
  if (!design.shown.fText.empty()) Add(text, "F", design.shown.fText + " 1/in");
  if (design.status != Status::Sized) return text + "Refused: " + design.message + '\n';
  Add(text, "D", design.shown.dText + " mm");
  Add(text, "L", design.shown.lText + " mm");
  Add(text, "L/D", design.lengthOverD);
  return text;
}

std::string Json(const SizedDesign& design, const std::string* record) {
  nlohmann::ordered_json object;
  for (const Field field : kFields) {
    const auto& value = design.committed[static_cast<std::size_t>(field)];
    object[std::string(FieldName(field))] = value ? nlohmann::ordered_json(*value) : nullptr;
  }
  object["F"] = Number(design.shown.fText);
  object["D_mm"] = Number(design.shown.dText);
  object["L_mm"] = Number(design.shown.lText);
  object["L_over_D"] = Number(design.lengthOverD);
  object["status"] = StatusName(design.status);
  object["message"] = design.message;
  if (record != nullptr) object["record"] = *record;
  return object.dump(2) + '\n';
}

}  // namespace brenmor::cli

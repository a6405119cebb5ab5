#include "brenmor/design/fields.h"

#include <cctype>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

constexpr std::array<std::string_view, 3> kPressureUnits = {"psi", "bar", "atm"};
constexpr std::array<std::string_view, 2> kLengthUnits = {"in", "mm"};
constexpr std::array<std::string_view, 2> kVolumeUnits = {"ft^3", "m^3"};

constexpr std::array<FieldInfo, 5> kFieldInfo = {{
    {"P", "design pressure", "design pressure", "Design pressure (psi) [P]",
     "Design pressure, in psi: type it, then pick psi, bar or atm from the list beside the box.",
     kPressureUnits, 3, "100"},
    {"C", "corrosion allowance", "corrosion allowance", "Corrosion allowance (in) [C]",
     "Corrosion allowance, in inches: type it, then pick in or mm from the list beside the box.",
     kLengthUnits, 4, "0.0625"},
    {"S", "stress value", "allowable stress", "Stress value of material (psi) [S]",
     "Allowable stress of the material, in psi: type it, then pick psi, bar or atm from the list "
     "beside the box.",
     kPressureUnits, 3, "16000"},
    {"E",
     "joint efficiency",
     "joint efficiency",
     "Joint Efficiency [E]",
     "Weld joint efficiency, a number up to 1 with no unit: it is taken in when you leave the "
     "box.",
     {},
     3,
     "0.8"},
    {"V", "vessel volume", "vessel volume", "Vessel (ft^3)",
     "Volume the vessel must hold, in cubic feet: type it, then pick ft^3 or m^3 from the list "
     "beside the box.",
     kVolumeUnits, 3, "1000"},
}};

}  // namespace

const FieldInfo& Info(Field field) { return kFieldInfo[static_cast<std::size_t>(field)]; }

std::string_view BaseUnit(Field field) {
  const auto units = Info(field).units;
  return units.empty() ? std::string_view() : units.front();
}

std::optional<Field> FieldNamed(std::string_view letter) {
  if (letter.size() != 1) return std::nullopt;
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
  for (const Field field : kFields) {
    if (Info(field).letter[0] == upper) return field;
  }
  return std::nullopt;
}

namespace {

template <class Values>
auto& ValueOf(Values& values, Field field) {
  switch (field) {
    case Field::P:
      return values.P;
    case Field::C:
      return values.C;
    case Field::S:
      return values.S;
    case Field::E:
      return values.E;
    case Field::V:
      break;
  }
  return values.V;
}

}  // namespace

double& DesignValues::operator[](Field field) { return ValueOf(*this, field); }
double DesignValues::operator[](Field field) const { return ValueOf(*this, field); }

DesignValues DefaultValues() {
  DesignValues values;
  for (const Field field : kFields) values[field] = ParseValue(Info(field).defaultText);
  return values;
}

}  // namespace brenmor

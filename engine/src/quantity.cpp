#include "brenmor/quantity.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "brenmor/units.h"

namespace brenmor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Unit positions on the lists, as the window's lists order them.
constexpr int kPsi = 0;
constexpr int kBar = 1;
constexpr int kCubicFoot = 0;
constexpr int kCubicMetre = 1;

// A spreadsheet's name for a unit of a list. Gauge units are a design
// pressure's own: the conversion has no offset, so they are psi and bar.
struct Alias {
  std::string_view name;
  bool pressure;  // P takes it
  bool stress;    // S takes it
  bool volume;    // V takes it
  ListUnit unit;
  bool megaPrefix = false;  // its M must stay a capital: mPa is a thousandth of a pascal
};

constexpr std::array<Alias, 6> kAliases = {{
    {"psig", true, false, false, {kPsi, 1, 1}},
    {"barg", true, false, false, {kBar, 1, 1}},
    {"kPa", true, true, false, {kBar, 1, 100}},
    {"MPa", true, true, false, {kBar, 10, 1}, true},
    {"m3", false, false, true, {kCubicMetre, 1, 1}},
    {"ft3", false, false, true, {kCubicFoot, 1, 1}},
}};

bool Takes(const Alias& alias, Field field) {
  return (field == Field::P && alias.pressure) || (field == Field::S && alias.stress) ||
         (field == Field::V && alias.volume);
}

// psia and bara: absolute pressures, which a design pressure is not.
bool IsAbsolutePressure(Field field, std::string_view unit) {
  return field == Field::P && (EqualIgnoringCase(unit, "psia") || EqualIgnoringCase(unit, "bara"));
}

std::string UnitList(Field field) {
  std::string list;
  const auto names = UnitNames(field);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " or " : ", ";
    list += names[i];
  }
  return list;
}

// A comma right after the number, with a digit after it, is a decimal comma
// that this reader was not told of.
bool LooksLikeDecimalComma(std::string_view rest) {
  return rest.size() > 1 && rest[0] == ',' && IsDigit(rest[1]);
}

// The number at the start of `text`, read as the boxes read it but with
// `mark` as the decimal mark. With the comma, a point would be half-read,
// so a text with one has no number.
std::optional<NumberRead> ReadMarkedNumber(std::string_view text, DecimalMark mark) {
  if (mark == DecimalMark::Point) return ReadNumber(text);
  if (text.find('.') != std::string_view::npos) return std::nullopt;
  std::string pointed(text);
  std::replace(pointed.begin(), pointed.end(), ',', '.');
  return ReadNumber(pointed);
}

// What follows the number, blanks trimmed.
std::string_view UnitPart(std::string_view trimmed, DecimalMark mark) {
  const std::optional<NumberRead> number = ReadMarkedNumber(trimmed, mark);
  return TrimBlanks(trimmed.substr(number ? number->length : 0));
}

}  // namespace

std::optional<ListUnit> ListUnitNamed(Field field, std::string_view name) {
  if (const std::optional<int> position = UnitPosition(field, name)) return ListUnit{*position};
  for (const Alias& alias : kAliases) {
    if (!Takes(alias, field) || !EqualIgnoringCase(name, alias.name)) continue;
    if (alias.megaPrefix && name.front() != 'M') continue;
    return alias.unit;
  }
  return std::nullopt;
}

std::vector<std::string_view> UnitsTaken(Field field) {
  const auto listed = UnitNames(field);
  std::vector<std::string_view> units(listed.begin(), listed.end());
  for (const Alias& alias : kAliases) {
    if (Takes(alias, field)) units.push_back(alias.name);
  }
  return units;
}

QuantityRead ReadQuantity(Field field, std::string_view text, const ListUnit& defaultUnit,
                          DecimalMark mark) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return {ReadError::Empty, {}};
  const std::optional<NumberRead> number = ReadMarkedNumber(trimmed, mark);
  if (!number) return {ReadError::PointDecimal, {}};
  if (number->length == 0) return {ReadError::NotANumber, {}};
  const std::string_view rest = trimmed.substr(number->length);
  const std::string_view unit = TrimBlanks(rest);
  if (unit.empty()) return {ReadError::None, defaultUnit.Of(number->value)};
  if (const std::optional<ListUnit> named = ListUnitNamed(field, unit)) {
    return {ReadError::None, named->Of(number->value)};
  }
  if (IsAbsolutePressure(field, unit)) return {ReadError::AbsolutePressure, {}};
  if (mark == DecimalMark::Point && LooksLikeDecimalComma(rest))
    return {ReadError::CommaDecimal, {}};
  // A unit name begins with a letter; anything else is more than a number.
  const bool looksLikeAUnit = std::isalpha(static_cast<unsigned char>(unit.front())) != 0;
  return {looksLikeAUnit ? ReadError::UnknownUnit : ReadError::NotANumber, {}};
}

std::string UnitProblem(Field field, std::string_view unit) {
  if (UnitNames(field).empty()) return std::string(Info(field).letter) + " has no unit";
  if (IsAbsolutePressure(field, unit)) {
    return "the method takes gauge pressure (psig, barg), not " + std::string(unit);
  }
  return std::string(unit) + " is not " + UnitList(field);
}

std::string Message(ReadError error, Field field, std::string_view text, DecimalMark mark) {
  const std::string name(Info(field).letter);
  const std::string quoted = name + " \"" + std::string(text) + '"';
  switch (error) {
    case ReadError::None:
      return {};
    case ReadError::Empty:
      return name + " is empty";
    case ReadError::NotANumber:
      return quoted + " is not a number";
    case ReadError::CommaDecimal:
      return quoted + " is not a number; if \",\" is its decimal mark, give --decimal-comma";
    case ReadError::PointDecimal:
      return quoted + " is not a number with \",\" as the decimal mark";
    case ReadError::UnknownUnit:
    case ReadError::AbsolutePressure:
      return quoted + ": " + UnitProblem(field, UnitPart(TrimBlanks(text), mark));
  }
  return {};
}

}  // namespace brenmor

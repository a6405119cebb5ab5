#include "brenmor/design/quantity.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "brenmor/design/units.h"

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

// psia and bara: absolute pressures, which a design pressure is not.
bool IsAbsolutePressure(Field field, std::string_view unit) {
  return field == Field::P && (EqualIgnoringCase(unit, "psia") || EqualIgnoringCase(unit, "bara"));
}

std::string_view UnitPart(std::string_view text, DecimalMark mark) {
  const std::string_view trimmed = TrimBlanks(text);
  const std::optional<NumberRead> number = ReadMarkedNumber(trimmed, mark);
  return TrimBlanks(trimmed.substr(number ? number->length : 0));
}

QuantityRead ReadQuantity(Field field, std::string_view text, const ListUnit& defaultUnit,
                          DecimalMark mark) {
  const auto refused = [&](ProblemKind kind) {
    return QuantityRead{{kind, field, std::string(text), mark}, {}};
  };
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return refused(ProblemKind::Empty);
  const std::optional<NumberRead> number = ReadMarkedNumber(trimmed, mark);
  if (!number) return refused(ProblemKind::PointDecimal);
  if (number->length == 0) return refused(ProblemKind::NotANumber);
  const std::string_view rest = trimmed.substr(number->length);
  const std::string_view unit = TrimBlanks(rest);
  if (unit.empty()) return {{}, defaultUnit.Of(number->value)};
  if (const std::optional<ListUnit> named = ListUnitNamed(field, unit)) {
    return {{}, named->Of(number->value)};
  }
  if (IsAbsolutePressure(field, unit)) return refused(ProblemKind::AbsolutePressure);
  if (mark == DecimalMark::Point && LooksLikeDecimalComma(rest)) {
    return refused(ProblemKind::CommaDecimal);
  }
  // A unit name begins with a letter; anything else is more than a number.
  const bool looksLikeAUnit = std::isalpha(static_cast<unsigned char>(unit.front())) != 0;
  return refused(looksLikeAUnit ? ProblemKind::UnitNotTaken : ProblemKind::NotANumber);
}

}  // namespace brenmor

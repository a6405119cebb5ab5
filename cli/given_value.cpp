#include "given_value.h"

#include <array>
#include <cctype>

#include "brenmor/number_text.h"

namespace brenmor::cli {

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

namespace {

// What follows the number, blanks trimmed.
std::string_view UnitPart(std::string_view text) {
  return TrimBlanks(text.substr(ReadNumber(text).length));
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

}  // namespace

std::string UnitProblem(Field field, std::string_view unit) {
  if (UnitNames(field).empty()) return std::string(FieldName(field)) + " has no unit";
  return std::string(unit) + " is not " + UnitList(field);
}

std::string_view FieldName(Field field) {
  constexpr std::string_view kLetters = "PCSEV";
  return kLetters.substr(static_cast<std::size_t>(field), 1);
}

std::optional<Field> FieldNamed(std::string_view name) {
  constexpr std::string_view kLetters = "PCSEV";
  if (name.size() != 1) return std::nullopt;
  const std::size_t position = kLetters.find(static_cast<char>(std::toupper(name[0])));
  if (position == std::string_view::npos) return std::nullopt;
  return static_cast<Field>(position);
}

GivenValue ReadGiven(Field field, std::string_view text, int defaultUnit) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return {ReadError::Empty};
  const NumberRead number = ReadNumber(trimmed);
  if (number.length == 0) return {ReadError::NotANumber};
  const std::string_view unit = TrimBlanks(trimmed.substr(number.length));
  if (unit.empty()) return {ReadError::None, number.value, defaultUnit};
  if (const std::optional<int> position = UnitPosition(field, unit)) {
    return {ReadError::None, number.value, *position};
  }
  // A unit name begins with a letter; anything else is more than a number.
  const bool looksLikeAUnit = std::isalpha(static_cast<unsigned char>(unit.front())) != 0;
  return {looksLikeAUnit ? ReadError::UnknownUnit : ReadError::NotANumber};
}

std::string Explain(ReadError error, Field field, std::string_view text) {
  const std::string name(FieldName(field));
  const std::string quoted = '"' + std::string(text) + '"';
  switch (error) {
    case ReadError::None:
      return {};
    case ReadError::Empty:
      return name + " is empty";
    case ReadError::NotANumber:
      return name + " " + quoted + " is not a number";
    case ReadError::UnknownUnit:
      return name + " " + quoted + ": " + UnitProblem(field, UnitPart(text));
  }
  return {};
}

}  // namespace brenmor::cli

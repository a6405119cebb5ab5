#include "brenmor/design/list_header.h"

#include <array>
#include <cctype>
#include <string>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

constexpr std::array<std::string_view, 2> kPressureWords = {"design pressure", "pressure"};
constexpr std::array<std::string_view, 2> kCorrosionWords = {"corrosion allowance", "corrosion"};
constexpr std::array<std::string_view, 3> kStressWords = {"allowable stress", "stress value",
                                                          "stress"};
constexpr std::array<std::string_view, 2> kEfficiencyWords = {"joint efficiency", "efficiency"};
constexpr std::array<std::string_view, 1> kVolumeWords = {"volume"};

// The name in lower case, each run of blanks one space.
std::string Normalised(std::string_view name) {
  std::string words;
  for (const char c : name) {
    if (IsBlank(c) || c == '\r') {
      if (!words.empty() && words.back() != ' ') words += ' ';
    } else {
      words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  if (!words.empty() && words.back() == ' ') words.pop_back();
  return words;
}

std::optional<Field> FieldWorded(std::string_view name) {
  const std::string words = Normalised(name);
  for (const Field field : kFields) {
    for (const std::string_view known : HeaderWords(field)) {
      if (words == known) return field;
    }
  }
  return std::nullopt;
}

}  // namespace

std::span<const std::string_view> HeaderWords(Field field) {
  switch (field) {
    case Field::P:
      return kPressureWords;
    case Field::C:
      return kCorrosionWords;
    case Field::S:
      return kStressWords;
    case Field::E:
      return kEfficiencyWords;
    case Field::V:
      return kVolumeWords;
  }
  return {};
}

HeaderCell ReadHeaderCell(std::string_view cell) {
  std::string_view name = TrimBlanks(cell);
  HeaderCell header;
  for (const auto& [open, close] : {std::pair{'[', ']'}, std::pair{'(', ')'}}) {
    const std::size_t at = name.rfind(open);
    if (at == std::string_view::npos || !name.ends_with(close)) continue;
    header.unit = TrimBlanks(name.substr(at + 1, name.size() - at - 2));
    name = TrimBlanks(name.substr(0, at));
    break;
  }
  header.field = FieldNamed(name);
  if (!header.field) {
    header.field = FieldWorded(name);
    header.byWords = header.field.has_value();
  }
  if (!header.field) header.unit = {};
  return header;
}

}  // namespace brenmor

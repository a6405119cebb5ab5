// A list's header cell as engineers write it: a field named by its letter
// ("P", "p [bar]") or by its words in any case ("Design pressure (barg)",
// "Volume (m3)"), with the unit of its cells in brackets or parentheses.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "brenmor/design/fields.h"

namespace brenmor {

struct HeaderCell {
  std::optional<Field> field;  // nothing: a column carried through as it is
  bool byWords = false;        // named by its words rather than its letter
  std::string_view unit;       // in brackets or parentheses; empty when none
};

HeaderCell ReadHeaderCell(std::string_view cell);

// The words that name a field in a header, longest first: "design
// pressure" and "pressure" for P.
std::span<const std::string_view> HeaderWords(Field field);

}  // namespace brenmor

// The two forms of one design's result: a short summary for a person, and a
// JSON object with the fields of a list's row.
#pragma once

#include <string>

#include "brenmor/calculation/calculation.h"

namespace brenmor::cli {

// The committed values as their boxes would show them, then each figure;
// or the refusal, with whatever the window would still show. Numbers are
// written with `mark`.
std::string Summary(const Calculation& design, DecimalMark mark);

// One JSON object: P, C, S, E and V as committed (base units), then the
// columns a list adds, each figure a number (null where it is not given);
// and the calculation record when one is given.
std::string Json(const Calculation& design, const std::string* record);

}  // namespace brenmor::cli

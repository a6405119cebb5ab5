// The two forms of one design's result: a short summary for a person, and a
// JSON object with the fields of a list's row.
#pragma once

#include <string>

#include "brenmor/evaluation.h"

namespace brenmor::cli {

// The committed values as their boxes would show them, F, D, L and L/D; or
// the refusal, with whatever the window would still show. Numbers are
// written with `mark`.
std::string Summary(const Evaluation& design, DecimalMark mark);

// One JSON object: P, C, S, E and V as committed (base units), F, D_mm, L_mm
// and L_over_D as numbers (null where the window shows nothing), status and
// message; and the calculation record when one is given.
std::string Json(const Evaluation& design, const std::string* record);

}  // namespace brenmor::cli

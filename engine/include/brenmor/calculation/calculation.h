// A design worked out once: its values committed as the window commits
// them, sized by the correlation, its wall and weight built and the diameter
// of least weight found, and every figure written as it is shown. Each
// Calculate of the form, each row of a list and each design of the command
// line is one Calculation, which the form, the panels, the chart, the weight
// plot, the list's row, the JSON, the summary and the record all read. It
// keeps no state, so a list sizes its rows on any thread.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "brenmor/calculation/figures.h"
#include "brenmor/cost/cost.h"
#include "brenmor/design/fields.h"
#include "brenmor/design/options.h"
#include "brenmor/design/problem.h"
#include "brenmor/design/quantity.h"
#include "brenmor/sizing/sizing.h"
#include "brenmor/wall/wall.h"

namespace brenmor {

// The five values in the order P, C, S, E, V, each in a unit of its list.
using Quantities = std::array<Quantity, 5>;

// Committed values as quantities in their base units.
Quantities InBaseUnits(const DesignValues& values);

// Why a value, in its field's base unit, may not be committed: OutOfRange
// beyond the double range, EAboveOne for a joint efficiency above 1
// (exactly 1 is taken); None when it may.
ProblemKind CommitRule(Field field, double value);

// How a design, or a row of a list, ended.
enum class Status {
  Sized,    // a diameter and a length are shown
  Refused,  // a commit or the calculation was refused, with the window's message
  Error,    // a value could not be read, so nothing was committed
};

// "sized", "refused" or "error".
std::string_view StatusName(Status status);

struct Calculation {
  // Why the design was refused: the first value not committed, in P, C,
  // S, E, V order (its field set), or the correlation's refusal. None
  // when it was sized.
  Problem problem;
  // The values taken, in base units; nothing for one that was refused.
  std::array<std::optional<double>, 5> committed;
  DesignOptions options;
  Sizing sizing;  // the unrounded numbers, once every value was taken
  Wall wall;      // NotSized unless the design was sized
  Cost cost;      // given where the wall was worked out
  // Every figure as it is shown; empty where the design does not give it.
  std::array<std::string, kFigures.size()> shown;

  Status GetStatus() const { return problem ? Status::Refused : Status::Sized; }
  bool Sized() const { return !problem; }
  const std::string& Text(Figure figure) const { return shown[static_cast<std::size_t>(figure)]; }
  // Why a group's figures are empty, or for the costs, which correlation's
  // range the design leaves; empty when there is nothing to say, and for the
  // wall of a design that was not sized, whose refusal the size has said.
  std::string MessageOf(Group group) const;
  // The committed values, 0 where one was not taken, with F and D when they
  // were worked out.
  DesignValues Values() const;
};

// Commits every value and, when all were taken, sizes the design and builds
// its wall with `options`.
Calculation Calculate(const Quantities& given, const DesignOptions& options = {});

}  // namespace brenmor

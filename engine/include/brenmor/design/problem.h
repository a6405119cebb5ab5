// Why something the engine was given could not be taken, read, sized or
// built: one kind for every refusal, carried inside the result that was
// refused, and one function that says it in words. The words belong to no
// front end; each front end adds its own hint (a flag, a control) to them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "brenmor/design/fields.h"
#include "brenmor/numbers/number_text.h"

namespace brenmor {

enum class ProblemKind : std::uint8_t {
  None,
  // A value's text, as a list's cell or a command line gives it.
  Empty,             // nothing but blanks
  NotANumber,        // no number at the start, or more after it than a unit
  CommaDecimal,      // "10,5" where the decimal mark is the point
  PointDecimal,      // "10.5" where the decimal mark is the comma
  UnitNotTaken,      // a unit the value does not take; E takes none
  AbsolutePressure,  // psia or bara: the method takes gauge pressure
  // A unit named alone, as a list's header names one for its column.
  NamedUnitNotTaken,
  NamedAbsolutePressure,
  // A value committed, as a unit pick or leaving E commits it.
  OutOfRange,     // the number, in the base unit, is beyond the double range
  UnitNotOnList,  // the unit position is not on the field's list
  EAboveOne,      // a joint efficiency above 1
  // The correlation.
  CorrosionNotPositive,   // C <= 0: F is not formed, or a negative F means nothing
  StressNotPositive,      // S <= 0, likewise
  EfficiencyNotPositive,  // E <= 0, likewise
  FactorOutOfRange,       // P / (C S E) overflows, or C S E is beyond the double range
  FBeyondTable,           // F is above 3.0, the last breakpoint
  VolumeNotPositive,      // V <= 0 has no diameter and no length
  DiameterNotPositive,    // extrapolating far below F = 0 gave D <= 0
  SizeOutOfRange,         // D or L is beyond the double range, or L vanishes beside D
  // The wall; D and L stay sized.
  NotSized,             // no diameter and length to build a wall on
  Vacuum,               // P < 0: the internal-pressure formulas do not apply
  ShellPressureLimit,   // P > 0.385 S E: beyond the shell's thin-wall formulas
  ShellThicknessLimit,  // the shell's t > R / 2: likewise
  WeightOutOfRange,     // a weight is beyond the double range
  // The options of the wall and the cost.
  NoSuchHead,                 // a head kind off its list
  NoSuchPlateStep,            // a plate step off its list
  DensityNotPositive,         // the density is not a number above 0
  NoSuchOrientation,          // an orientation off its list
  CostIndexNotPositive,       // the cost index is not a number above 0
  MaterialFactorNotPositive,  // the material factor is not a number above 0
};

struct Problem {
  Problem() = default;
  // A kind says enough for itself where no value or text is refused.
  Problem(ProblemKind what, std::optional<Field> of = std::nullopt,  // NOLINT: a kind is one
          std::string given = {}, DecimalMark readWith = DecimalMark::Point)
      : kind(what), field(of), text(std::move(given)), mark(readWith) {}

  ProblemKind kind = ProblemKind::None;
  std::optional<Field> field;             // the value refused, where one was
  std::string text;                       // the text refused, as given
  DecimalMark mark = DecimalMark::Point;  // as the text was read

  explicit operator bool() const { return kind != ProblemKind::None; }
  bool operator==(const Problem&) const = default;
};

// The problem in one sentence for the user, naming the value and the text
// refused; empty for None and NotSized, which a sizing refusal has said.
std::string Message(const Problem& problem);

// Whether the problem is the sizing's own: a commit or the correlation
// refused the design. The rest are the wall's, or a text's or an option's.
bool RefusesTheSize(ProblemKind kind);

}  // namespace brenmor

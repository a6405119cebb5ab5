// The committed design values and the rules that change them. The window
// calculates from these, never from what its boxes happen to show: a typed
// value counts only once it is committed by a unit pick (P, C, S, V), by
// leaving its box (E), or by loading the defaults.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "brenmor/sizing.h"
#include "brenmor/units.h"

namespace brenmor {

// Why a commit was refused. A refused commit leaves the design as it was.
enum class CommitError {
  None,         // committed
  OutOfRange,   // the number, in the base unit, is beyond the double range
  UnknownUnit,  // the unit position is not on the field's list
  EAboveOne,    // a joint efficiency above 1
};

// The committed values; F and D are results, the others are inputs.
struct DesignValues {
  double P = 0;  // design pressure, psi
  double C = 0;  // corrosion allowance, in
  double S = 0;  // allowable stress, psi
  double E = 0;  // joint efficiency
  double V = 0;  // vessel volume, ft^3
  double F = 0;  // vessel factor of the last successful refresh, 1/in
  double D = 0;  // diameter of the last successful calculation, mm
};

struct UnitCommit {
  CommitError error = CommitError::None;
  std::string writtenBack;           // the box's new text; empty when refused
  std::optional<std::string> fText;  // the F box's new text, when F was refreshed
};

struct ECommit {
  CommitError error = CommitError::None;
  std::optional<std::string> fText;  // the F box's new text, when F was refreshed
};

// What the output boxes show after a calculation. Every text is set, so
// nothing of an earlier design stays on screen.
struct Calculation {
  SizingError error = SizingError::None;
  std::string fText;  // F to 3 decimals; empty when F cannot be formed
  std::string dText;  // diameter, whole mm; empty when refused
  std::string lText;  // length, whole mm; empty when refused
};

class DesignState {
 public:
  const DesignValues& Values() const { return values_; }

  // Reads the five texts as they stand, E unchecked, F not computed. A text
  // whose number is beyond the double range leaves its value untouched;
  // returns whether all five were taken.
  bool LoadDefaults(std::string_view textP, std::string_view textC, std::string_view textS,
                    std::string_view textE, std::string_view textV);

  // Commits `text` typed in unit position `unit` of the field's list. P, C and
  // S refresh F; V does not, since F does not depend on it.
  UnitCommit CommitWithUnit(Field field, int unit, std::string_view text);

  // Commits the joint efficiency unless it is above 1 (exactly 1 is taken)
  // or out of range. F is refreshed either way.
  ECommit CommitE(std::string_view text);

  // Recomputes F from the committed values; the F box's new text, or nothing
  // when F cannot be formed and keeps its value.
  std::optional<std::string> RefreshF();

  // Refreshes F, then sizes the vessel from the committed values. A refused
  // sizing leaves D as it was.
  Calculation Calculate();

 private:
  double& Input(Field field);

  DesignValues values_;
};

// The text each box opens with, and so the design a session starts from.
std::string_view DefaultText(Field field);

// Why a value, in its field's base unit, may not be committed: it is beyond
// the double range, or a joint efficiency above 1 (exactly 1 is taken).
CommitError CommitRule(Field field, double value);

// The output boxes' texts for a sized (or refused) design.
Calculation CalculationTexts(const Sizing& sizing);

// A short message for the user on a refused commit of `field`.
std::string_view Message(CommitError error, Field field);
// A short message for the user on a refused calculation.
std::string_view Message(SizingError error);

}  // namespace brenmor

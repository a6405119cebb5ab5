// The committed design values and the rules that change them. The window
// calculates from these, never from what its boxes happen to show: a typed
// value counts only once it is committed by a unit pick (P, C, S, V), by
// leaving its box (E), or by loading the defaults.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "brenmor/calculation/calculation.h"
#include "brenmor/design/units.h"

namespace brenmor {

struct UnitCommit {
  ProblemKind error = ProblemKind::None;
  std::string writtenBack;           // the box's new text; empty when refused
  std::optional<std::string> fText;  // the F box's new text, when F was refreshed
};

struct ECommit {
  ProblemKind error = ProblemKind::None;
  std::optional<std::string> fText;  // the F box's new text, when F was refreshed
};

class DesignState {
 public:
  const DesignValues& Values() const { return values_; }

  // Takes the design a session starts from, F not computed.
  void LoadDefaults();

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

  // Refreshes F, then works out the committed values with `options`. Every
  // figure of the result is set, so nothing of an earlier design stays on
  // screen; a refused sizing leaves D as it was.
  Calculation Calculate(const DesignOptions& options);

 private:
  DesignValues values_;
};

}  // namespace brenmor

#include "brenmor/form/design_state.h"

#include <array>
#include <cmath>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

UnitCommit Refused(ProblemKind error) {
  UnitCommit refused;
  refused.error = error;
  return refused;
}

}  // namespace

void DesignState::LoadDefaults() {
  const DesignValues defaults = DefaultValues();
  for (const Field field : kFields) values_[field] = defaults[field];
}

bool DesignState::LoadDefaults(std::string_view textP, std::string_view textC,
                               std::string_view textS, std::string_view textE,
                               std::string_view textV) {
  const std::array<std::string_view, 5> texts = {textP, textC, textS, textE, textV};
  bool allTaken = true;
  for (const Field field : kFields) {
    const double value = ParseValue(texts[static_cast<std::size_t>(field)]);
    if (std::isfinite(value)) {
      values_[field] = value;
    } else {
      allTaken = false;
    }
  }
  return allTaken;
}

UnitCommit DesignState::CommitWithUnit(Field field, int unit, std::string_view text) {
  const std::optional<double> value = ConvertToBase(field, unit, text);
  if (!value) return Refused(ProblemKind::UnitNotOnList);
  if (const ProblemKind error = CommitRule(field, *value); error != ProblemKind::None) {
    return Refused(error);
  }
  values_[field] = *value;
  UnitCommit result;
  result.writtenBack = DisplayText(field, *value);
  if (field != Field::V) result.fText = RefreshF();
  return result;
}

ECommit DesignState::CommitE(std::string_view text) {
  const double e = ParseValue(text);
  const ProblemKind error = CommitRule(Field::E, e);
  if (error == ProblemKind::None) values_.E = e;
  return {error, RefreshF()};
}

std::optional<std::string> DesignState::RefreshF() {
  const std::optional<double> F = CalcF(values_.P, values_.C, values_.S, values_.E);
  if (!F) return std::nullopt;
  values_.F = *F;
  return FigureText(Figure::F, *F);
}

Calculation DesignState::Calculate(const DesignOptions& options) {
  Calculation calculation = brenmor::Calculate(InBaseUnits(values_), options);
  if (calculation.sizing.F) values_.F = *calculation.sizing.F;
  if (calculation.Sized()) values_.D = calculation.sizing.size.D;
  return calculation;
}

}  // namespace brenmor

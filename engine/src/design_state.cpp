#include "brenmor/design_state.h"

#include <array>
#include <cmath>

#include "brenmor/number_text.h"

namespace brenmor {
namespace {

UnitCommit Refused(CommitError error) {
  UnitCommit refused;
  refused.error = error;
  return refused;
}

}  // namespace

double& DesignState::Input(Field field) {
  switch (field) {
    case Field::P:
      return values_.P;
    case Field::C:
      return values_.C;
    case Field::S:
      return values_.S;
    case Field::E:
      return values_.E;
    case Field::V:
      break;
  }
  return values_.V;
}

void DesignState::LoadDefaults() {
  const Quantities defaults = InBaseUnits(DefaultValues());
  for (const Field field : kFields) Input(field) = defaults[static_cast<std::size_t>(field)].number;
}

bool DesignState::LoadDefaults(std::string_view textP, std::string_view textC,
                               std::string_view textS, std::string_view textE,
                               std::string_view textV) {
  const std::array<std::string_view, 5> texts = {textP, textC, textS, textE, textV};
  bool allTaken = true;
  for (const Field field : kFields) {
    const double value = ParseValue(texts[static_cast<std::size_t>(field)]);
    if (std::isfinite(value)) {
      Input(field) = value;
    } else {
      allTaken = false;
    }
  }
  return allTaken;
}

UnitCommit DesignState::CommitWithUnit(Field field, int unit, std::string_view text) {
  const std::optional<double> value = ConvertToBase(field, unit, text);
  if (!value) return Refused(CommitError::UnknownUnit);
  if (const CommitError error = CommitRule(field, *value); error != CommitError::None) {
    return Refused(error);
  }
  Input(field) = *value;
  UnitCommit result;
  result.writtenBack = DisplayText(field, *value);
  if (field != Field::V) result.fText = RefreshF();
  return result;
}

ECommit DesignState::CommitE(std::string_view text) {
  const double e = ParseValue(text);
  const CommitError error = CommitRule(Field::E, e);
  if (error == CommitError::None) values_.E = e;
  return {error, RefreshF()};
}

std::optional<std::string> DesignState::RefreshF() {
  const std::optional<double> F = CalcF(values_.P, values_.C, values_.S, values_.E);
  if (!F) return std::nullopt;
  values_.F = *F;
  return FormatRounded(*F, 3);
}

Evaluation DesignState::Calculate() {
  Evaluation evaluation = Evaluate(InBaseUnits(values_), std::nullopt);
  if (evaluation.sizing.F) values_.F = *evaluation.sizing.F;
  if (evaluation.status == Status::Sized) values_.D = evaluation.sizing.size.D;
  return evaluation;
}

}  // namespace brenmor

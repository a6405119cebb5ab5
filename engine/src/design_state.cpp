#include "brenmor/design_state.h"

#include <array>
#include <cmath>

#include "brenmor/number_text.h"

namespace brenmor {
namespace {

std::string FormatRounded(double x, int decimals) { return FormatValue(RoundTo(x, decimals)); }

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

bool DesignState::LoadDefaults(std::string_view textP, std::string_view textC,
                               std::string_view textS, std::string_view textE,
                               std::string_view textV) {
  const std::array<std::pair<Field, std::string_view>, 5> texts = {{
      {Field::P, textP},
      {Field::C, textC},
      {Field::S, textS},
      {Field::E, textE},
      {Field::V, textV},
  }};
  bool allTaken = true;
  for (const auto& [field, text] : texts) {
    const double value = ParseValue(text);
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

std::string_view DefaultText(Field field) {
  static constexpr std::array<std::string_view, 5> kDefaults = {"100", "0.0625", "16000", "0.8",
                                                                "1000"};
  return kDefaults[static_cast<std::size_t>(field)];
}

CommitError CommitRule(Field field, double value) {
  if (!std::isfinite(value)) return CommitError::OutOfRange;
  if (field == Field::E && value > 1) return CommitError::EAboveOne;
  return CommitError::None;
}

std::optional<std::string> DesignState::RefreshF() {
  const std::optional<double> F = CalcF(values_.P, values_.C, values_.S, values_.E);
  if (!F) return std::nullopt;
  values_.F = *F;
  return FormatRounded(*F, 3);
}

Calculation DesignState::Calculate() {
  const Sizing sizing = SizeDesign(values_.P, values_.C, values_.S, values_.E, values_.V);
  if (sizing.F) values_.F = *sizing.F;
  if (sizing.error == SizingError::None) values_.D = sizing.size.D;
  return CalculationTexts(sizing);
}

Calculation CalculationTexts(const Sizing& sizing) {
  Calculation texts;
  texts.error = sizing.error;
  if (sizing.F) texts.fText = FormatRounded(*sizing.F, 3);
  if (sizing.error != SizingError::None) return texts;
  texts.dText = FormatRounded(sizing.size.D, 0);
  texts.lText = FormatRounded(sizing.size.L, 0);
  return texts;
}

std::string_view Message(CommitError error, Field field) {
  static constexpr std::array<std::string_view, 5> kOutOfRange = {
      "Design pressure is out of range", "Corrosion allowance is out of range",
      "Stress value is out of range",    "Joint efficiency is out of range",
      "Vessel volume is out of range",
  };
  switch (error) {
    case CommitError::None:
      return {};
    case CommitError::OutOfRange:
      return kOutOfRange[static_cast<std::size_t>(field)];
    case CommitError::UnknownUnit:
      return "Select a unit from the list";
    case CommitError::EAboveOne:
      return "E must be less than 1";
  }
  return {};
}

std::string_view Message(SizingError error) {
  switch (error) {
    case SizingError::None:
      return {};
    case SizingError::CorrosionNotPositive:
      return "The correlation needs a corrosion allowance above 0";
    case SizingError::StressNotPositive:
      return "The correlation needs a stress value above 0";
    case SizingError::EfficiencyNotPositive:
      return "The correlation needs a joint efficiency above 0";
    case SizingError::FactorOutOfRange:
      return "F = P / (C S E) is out of range: check P, C, S and E";
    case SizingError::FBeyondTable:
      return "F is above 3, beyond the sizing correlation";
    case SizingError::VolumeNotPositive:
      return "Vessel volume must be greater than 0";
    case SizingError::DiameterNotPositive:
      return "F is too far below 0 to size this vessel";
    case SizingError::SizeOutOfRange:
      return "The vessel size is out of range";
  }
  return {};
}

}  // namespace brenmor

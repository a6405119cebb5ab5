#include "brenmor/evaluation.h"

#include <cctype>
#include <cmath>

#include "brenmor/number_text.h"
#include "brenmor/units.h"

namespace brenmor {
namespace {

std::string Capitalised(std::string_view text) {
  std::string capitalised(text);
  if (!capitalised.empty()) {
    capitalised[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capitalised[0])));
  }
  return capitalised;
}

std::string NeedsAboveZero(Field field) {
  return "The correlation needs a " + std::string(Info(field).name) + " above 0";
}

void Refuse(Evaluation& evaluation, std::string message) {
  evaluation.status = Status::Refused;
  evaluation.message = std::move(message);
}

// The sizing of committed values and the texts the output boxes show.
void SizeCommitted(Evaluation& evaluation, const std::optional<WallOptions>& wall) {
  const DesignValues v = evaluation.Values();
  evaluation.sizing = SizeDesign(v.P, v.C, v.S, v.E, v.V);
  const Sizing& sizing = evaluation.sizing;
  const auto shown = [](Result result, double value) {
    return FormatRounded(value, Info(result).decimals);
  };
  if (sizing.F) evaluation.fText = shown(Result::F, *sizing.F);
  if (sizing.error != SizingError::None) return Refuse(evaluation, Message(sizing.error));
  evaluation.dText = shown(Result::D, sizing.size.D);
  evaluation.lText = shown(Result::L, sizing.size.L);
  evaluation.lengthOverD = LengthOverDiameterText(sizing.size);
  if (!wall) return;
  evaluation.wall = WallOf(v, sizing.size, *wall);
  evaluation.wallTexts = TextsOf(evaluation.wall);
}

}  // namespace

CommitError CommitRule(Field field, double value) {
  if (!std::isfinite(value)) return CommitError::OutOfRange;
  if (field == Field::E && value > 1) return CommitError::EAboveOne;
  return CommitError::None;
}

DesignValues DefaultValues() {
  const auto read = [](Field field) { return ParseValue(Info(field).defaultText); };
  return {read(Field::P), read(Field::C), read(Field::S), read(Field::E), read(Field::V)};
}

std::string_view StatusName(Status status) {
  switch (status) {
    case Status::Sized:
      return "sized";
    case Status::Refused:
      return "refused";
    case Status::Error:
      return "error";
  }
  return {};
}

DesignValues Evaluation::Values() const {
  const auto value = [this](Field field) {
    return committed[static_cast<std::size_t>(field)].value_or(0);
  };
  DesignValues v{value(Field::P), value(Field::C), value(Field::S), value(Field::E),
                 value(Field::V)};
  v.F = sizing.F.value_or(0);
  v.D = sizing.size.D;
  return v;
}

Quantities InBaseUnits(const DesignValues& v) {
  return {{{v.P, 0}, {v.C, 0}, {v.S, 0}, {v.E, 0}, {v.V, 0}}};
}

Evaluation Evaluate(const Quantities& given, const std::optional<WallOptions>& wall) {
  Evaluation evaluation;
  for (const Field field : kFields) {
    const Quantity& q = given[static_cast<std::size_t>(field)];
    const bool onItsList =
        q.unit == 0 || static_cast<std::size_t>(q.unit) < UnitNames(field).size();
    const double value = onItsList ? ToBase(field, q.unit, q.number) : 0;
    const CommitError error =
        onItsList && q.unit >= 0 ? CommitRule(field, value) : CommitError::UnknownUnit;
    if (error == CommitError::None) {
      evaluation.committed[static_cast<std::size_t>(field)] = value;
    } else if (!evaluation.refusedField) {
      evaluation.refusedField = field;
      evaluation.commitError = error;
      Refuse(evaluation, Message(error, field));
    }
  }
  if (!evaluation.refusedField) SizeCommitted(evaluation, wall);
  return evaluation;
}

std::string LengthOverDiameterText(const VesselSize& size) {
  return FormatFixed(size.L / size.D, Info(Result::LengthOverD).decimals);
}

const std::string& Evaluation::Text(Result result) const {
  switch (result) {
    case Result::F:
      return fText;
    case Result::D:
      return dText;
    case Result::L:
      return lText;
    case Result::LengthOverD:
      break;
  }
  return lengthOverD;
}

std::string Message(CommitError error, Field field) {
  switch (error) {
    case CommitError::None:
      return {};
    case CommitError::OutOfRange:
      return Capitalised(Info(field).name) + " is out of range";
    case CommitError::UnknownUnit:
      return "Select a unit from the list";
    case CommitError::EAboveOne:
      return "E must be less than 1";
  }
  return {};
}

std::string Message(SizingError error) {
  switch (error) {
    case SizingError::None:
      return {};
    case SizingError::CorrosionNotPositive:
      return NeedsAboveZero(Field::C);
    case SizingError::StressNotPositive:
      return NeedsAboveZero(Field::S);
    case SizingError::EfficiencyNotPositive:
      return NeedsAboveZero(Field::E);
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

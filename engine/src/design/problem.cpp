#include "brenmor/design/problem.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "brenmor/design/options.h"
#include "brenmor/design/quantity.h"
#include "design/wall_constants.h"

namespace brenmor {
namespace {

std::string Capitalised(std::string_view text) {
  std::string capitalised(text);
  if (!capitalised.empty()) {
    capitalised[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capitalised[0])));
  }
  return capitalised;
}

// "a, b or c".
template <class Names>
std::string OneOf(const Names& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " or " : ", ";
    list += names[i];
  }
  return list;
}

template <class Option, std::size_t N>
std::string NamesOf(const std::array<Option, N>& all) {
  std::array<std::string_view, N> names;
  std::transform(all.begin(), all.end(), names.begin(), [](Option o) { return Name(o); });
  return OneOf(names);
}

std::string Letter(const Problem& p) { return p.field ? std::string(Info(*p.field).letter) : ""; }

// Why `unit` is no unit of the value: it names every unit the value takes.
std::string UnitNotTaken(Field field, std::string_view unit) {
  const std::vector<std::string_view> units = UnitsTaken(field);
  if (units.empty()) return std::string(Info(field).letter) + " has no unit";
  return std::string(unit) + " is not " + OneOf(units);
}

std::string GaugeOnly(std::string_view unit) {
  return "the method takes gauge pressure (psig, barg), not " + std::string(unit);
}

std::string NeedsAboveZero(Field field) {
  return "The correlation needs a " + std::string(Info(field).name) + " above 0";
}

// A value's text refused: P "10,5" ….
std::string TextMessage(const Problem& p) {
  const std::string quoted = Letter(p) + " \"" + p.text + '"';
  const Field field = p.field.value_or(Field::P);
  switch (p.kind) {
    case ProblemKind::Empty:
      return Letter(p) + " is empty";
    case ProblemKind::NotANumber:
      return quoted + " is not a number";
    case ProblemKind::CommaDecimal:
      return quoted + " is not a number with \".\" as the decimal mark";
    case ProblemKind::PointDecimal:
      return quoted + " is not a number with \",\" as the decimal mark";
    case ProblemKind::UnitNotTaken:
      return quoted + ": " + UnitNotTaken(field, UnitPart(p.text, p.mark));
    case ProblemKind::AbsolutePressure:
      return quoted + ": " + GaugeOnly(UnitPart(p.text, p.mark));
    case ProblemKind::NamedUnitNotTaken:
      return UnitNotTaken(field, p.text);
    case ProblemKind::NamedAbsolutePressure:
      return GaugeOnly(p.text);
    default:
      return {};
  }
}

std::string SizingMessage(const Problem& p) {
  switch (p.kind) {
    case ProblemKind::OutOfRange:
      return Capitalised(Info(p.field.value_or(Field::P)).name) + " is out of range";
    case ProblemKind::UnitNotOnList:
      return "Select a unit from the list";
    case ProblemKind::EAboveOne:
      return "E must be less than 1";
    case ProblemKind::CorrosionNotPositive:
      return NeedsAboveZero(Field::C);
    case ProblemKind::StressNotPositive:
      return NeedsAboveZero(Field::S);
    case ProblemKind::EfficiencyNotPositive:
      return NeedsAboveZero(Field::E);
    case ProblemKind::FactorOutOfRange:
      return "F = P / (C S E) is out of range: check P, C, S and E";
    case ProblemKind::FBeyondTable:
      return "F is above 3, beyond the sizing correlation";
    case ProblemKind::VolumeNotPositive:
      return "Vessel volume must be greater than 0";
    case ProblemKind::DiameterNotPositive:
      return "F is too far below 0 to size this vessel";
    case ProblemKind::SizeOutOfRange:
      return "The vessel size is out of range";
    default:
      return {};
  }
}

std::string WallMessage(const Problem& p) {
  switch (p.kind) {
    case ProblemKind::Vacuum:
      return "The wall is worked out for internal pressure only, and P is below 0";
    case ProblemKind::ShellPressureLimit:
      return "P is above " + FormatValue(kShellPressureLimit) +
             " S E, where the thin-wall shell formulas end";
    case ProblemKind::ShellThicknessLimit:
      return "The shell's t is above R / 2, where the thin-wall shell formulas end";
    case ProblemKind::WeightOutOfRange:
      return "The weight is out of range";
    case ProblemKind::NoSuchHead:
      return p.text + " is not " + NamesOf(kHeadKinds);
    case ProblemKind::NoSuchPlateStep:
      return p.text + " is not " + NamesOf(kPlateSteps);
    case ProblemKind::DensityNotPositive:
      return "The density must be a number above 0";
    case ProblemKind::NoSuchOrientation:
      return p.text + " is not " + NamesOf(kOrientations);
    case ProblemKind::CostIndexNotPositive:
      return "The cost index must be a number above 0";
    case ProblemKind::MaterialFactorNotPositive:
      return "The material factor must be a number above 0";
    default:
      return {};
  }
}

}  // namespace

bool RefusesTheSize(ProblemKind kind) {
  return kind >= ProblemKind::OutOfRange && kind <= ProblemKind::SizeOutOfRange;
}

std::string Message(const Problem& problem) {
  if (!problem) return {};
  if (problem.kind <= ProblemKind::NamedAbsolutePressure) return TextMessage(problem);
  if (RefusesTheSize(problem.kind)) return SizingMessage(problem);
  return WallMessage(problem);
}

}  // namespace brenmor

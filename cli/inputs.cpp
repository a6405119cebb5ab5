#include "inputs.h"

#include "brenmor/design/problem.h"
#include "failure.h"

namespace brenmor::cli {
namespace {

// What to give when a number has a decimal comma where a point is read.
std::string Hint(ProblemKind kind, Spelling spelling) {
  if (kind != ProblemKind::CommaDecimal) return {};
  return "; if \",\" is its decimal mark, give " + OptionName("decimal-comma", spelling);
}

// An option's value named on its list; a Failure when it is not.
template <class Option>
Option Named(std::string_view flag, Spelling spelling, const std::string& text,
             std::optional<Option> (*named)(std::string_view), ProblemKind otherwise) {
  const std::optional<Option> option = named(text);
  if (!option) throw Failure(OptionName(flag, spelling) + ' ' + Message({otherwise, {}, text}));
  return *option;
}

// An option's number, wholly a number above 0; a Failure when it is not.
double Positive(std::string_view flag, Spelling spelling, const std::string& text,
                ProblemKind otherwise) {
  const std::string_view trimmed = TrimBlanks(text);
  const NumberRead number = ReadNumber(trimmed);
  if (number.length != trimmed.size() || !IsPositive(number.value)) {
    throw Failure(OptionName(flag, spelling) + " \"" + text + "\": " + Message(otherwise));
  }
  return number.value;
}

}  // namespace

std::string OptionName(std::string_view flag, Spelling spelling) {
  std::string name(flag);
  if (spelling == Spelling::Flag) return "--" + name;
  for (char& c : name) c = c == '-' ? '_' : c;
  return name;
}

DesignOptions ReadDesignOptions(const OptionTexts& texts, Spelling spelling) {
  DesignOptions design;
  if (!texts.head.empty()) {
    design.head = Named("head", spelling, texts.head, HeadKindNamed, ProblemKind::NoSuchHead);
  }
  if (!texts.plateStep.empty()) {
    design.step = Named("plate-step", spelling, texts.plateStep, PlateStepNamed,
                        ProblemKind::NoSuchPlateStep);
  }
  if (!texts.orientation.empty()) {
    design.orientation = Named("orientation", spelling, texts.orientation, OrientationNamed,
                               ProblemKind::NoSuchOrientation);
  }
  if (!texts.density.empty()) {
    design.density = Positive("density", spelling, texts.density, ProblemKind::DensityNotPositive);
  }
  if (!texts.costIndex.empty()) {
    design.costIndex =
        Positive("cost-index", spelling, texts.costIndex, ProblemKind::CostIndexNotPositive);
  }
  if (!texts.materialFactor.empty()) {
    design.materialFactor = Positive("material-factor", spelling, texts.materialFactor,
                                     ProblemKind::MaterialFactorNotPositive);
  }
  return design;
}

Quantity ReadValue(Field field, std::string_view text, DecimalMark mark, Spelling spelling) {
  const QuantityRead read = ReadQuantity(field, text, {}, mark);
  if (read.problem) throw Failure(Message(read.problem) + Hint(read.problem.kind, spelling));
  return read.quantity;
}

GivenValues ReadNameValues(std::span<const std::string> values, DecimalMark mark) {
  GivenValues given;
  for (const std::string& value : values) {
    const std::size_t equals = value.find('=');
    const std::optional<Field> field =
        equals == std::string::npos ? std::nullopt : FieldNamed(value.substr(0, equals));
    if (!field) throw Failure("\"" + value + "\" is not one of P=, C=, S=, E= or V= with a value");
    auto& slot = given[static_cast<std::size_t>(*field)];
    if (slot) throw Failure(std::string(Info(*field).letter) + " is given twice");
    slot = ReadValue(*field, std::string_view(value).substr(equals + 1), mark, Spelling::Flag);
  }
  return given;
}

Quantities WithDefaults(const GivenValues& given) {
  Quantities values = InBaseUnits(DefaultValues());
  for (const Field field : kFields) {
    const auto f = static_cast<std::size_t>(field);
    if (given[f]) values[f] = *given[f];
  }
  return values;
}

char ReadDelimiter(std::string_view text, DecimalMark mark, Spelling spelling) {
  const bool decimalComma = mark == DecimalMark::Comma;
  if (text.empty()) return decimalComma ? ';' : ',';
  if (text == "tab" || text == "\\t") return '\t';
  if (text.size() != 1 || text[0] == '"' || text[0] == '\r' || text[0] == '\n') {
    throw Failure(OptionName("delimiter", spelling) +
                  " takes one character other than a quote or a line end, or 'tab'");
  }
  if (text[0] == ',' && decimalComma) {
    throw Failure(OptionName("decimal-comma", spelling) + " needs a delimiter other than ','");
  }
  return text[0];
}

}  // namespace brenmor::cli

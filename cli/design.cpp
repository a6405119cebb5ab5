#include "design.h"

#include "brenmor/record.h"
#include "brenmor/sizing.h"

namespace brenmor::cli {

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

GivenDesign DefaultDesign() {
  GivenDesign design;
  for (std::size_t i = 0; i < design.size(); ++i) {
    design[i] = ReadGiven(static_cast<Field>(i), DefaultText(static_cast<Field>(i)));
  }
  return design;
}

SizedDesign SizeGiven(const GivenDesign& given) {
  SizedDesign design;
  for (std::size_t i = 0; i < given.size(); ++i) {
    const auto field = static_cast<Field>(i);
    const double value = ToBase(field, given[i].unit, given[i].number);
    const CommitError error = CommitRule(field, value);
    if (error == CommitError::None) {
      design.committed[i] = value;
    } else if (design.status == Status::Sized) {
      design.status = Status::Refused;
      design.message = Message(error, field);
    }
  }
  if (design.status != Status::Sized) return design;

  const DesignValues v = CommittedValues(design);
  design.sizing = SizeDesign(v.P, v.C, v.S, v.E, v.V);
  design.shown = CalculationTexts(design.sizing);
  if (design.sizing.error != SizingError::None) {
    design.status = Status::Refused;
    design.message = Message(design.sizing.error);
    return design;
  }
  design.lengthOverD = LengthOverDiameterText(design.sizing.size);
  return design;
}

DesignValues CommittedValues(const SizedDesign& design) {
  const auto& c = design.committed;
  return {c[0].value_or(0), c[1].value_or(0), c[2].value_or(0), c[3].value_or(0), c[4].value_or(0)};
}

}  // namespace brenmor::cli

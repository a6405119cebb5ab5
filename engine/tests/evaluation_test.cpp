#include "brenmor/evaluation.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace brenmor {
namespace {

// The defaults with one value replaced.
Quantities DefaultsWith(Field field, Quantity quantity) {
  Quantities given = InBaseUnits(DefaultValues());
  given[static_cast<std::size_t>(field)] = quantity;
  return given;
}

struct EvaluationCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const EvaluationCase& c) {
    return os << c.name;
  }
  Quantities given;
  Status status;
  const char* message;
  const char* fText;
  const char* dText;
  const char* lText;
  const char* lengthOverD;
};

class EvaluateTest : public testing::TestWithParam<EvaluationCase> {};

TEST_P(EvaluateTest, GivesTheWindowsTexts) {
  const EvaluationCase& c = GetParam();
  const Evaluation e = Evaluate(c.given);
  EXPECT_EQ(e.status, c.status);
  EXPECT_EQ(e.message, c.message);
  EXPECT_EQ(e.fText, c.fText);
  EXPECT_EQ(e.dText, c.dText);
  EXPECT_EQ(e.lText, c.lText);
  EXPECT_EQ(e.lengthOverD, c.lengthOverD);
}

INSTANTIATE_TEST_SUITE_P(
    , EvaluateTest,
    testing::Values(EvaluationCase{"Defaults", InBaseUnits(DefaultValues()), Status::Sized, "",
                                   "0.125", "1703", "12446", "7.31"},
                    EvaluationCase{"TenBar", DefaultsWith(Field::P, {10, 1}), Status::Sized, "",
                                   "0.181", "1562", "14782", "9.46"},
                    EvaluationCase{"EAboveOne", DefaultsWith(Field::E, {1.5, 0}), Status::Refused,
                                   "E must be less than 1", "", "", "", ""},
                    EvaluationCase{"UnitOffTheList", DefaultsWith(Field::C, {1, 2}),
                                   Status::Refused, "Select a unit from the list", "", "", "", ""},
                    EvaluationCase{"BeyondTheCorrelation", DefaultsWith(Field::P, {4000, 0}),
                                   Status::Refused, "F is above 3, beyond the sizing correlation",
                                   "5", "", "", ""}),
    CaseName());

// Every value is committed; the first refused, in P, C, S, E, V order,
// gives the message.
TEST(EvaluateRefusalTest, NamesTheFirstValueNotTaken) {
  Quantities given = DefaultsWith(Field::V, {1e308, 1});
  given[static_cast<std::size_t>(Field::E)] = {2, 0};
  const Evaluation e = Evaluate(given);
  EXPECT_EQ(e.refusedField, Field::E);
  EXPECT_EQ(e.commitError, CommitError::EAboveOne);
  EXPECT_EQ(e.committed[static_cast<std::size_t>(Field::P)], 100);
  EXPECT_FALSE(e.committed[static_cast<std::size_t>(Field::V)].has_value()) << "out of range";
}

}  // namespace
}  // namespace brenmor

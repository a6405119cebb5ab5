#include "brenmor/design/list_header.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace brenmor {
namespace {

struct HeaderCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const HeaderCase& c) { return os << c.name; }
  const char* cell;
  std::optional<Field> field;
  bool byWords;
  const char* unit;
};

class HeaderCellTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderCellTest, Names) {
  const HeaderCell header = ReadHeaderCell(GetParam().cell);
  EXPECT_EQ(header.field, GetParam().field);
  EXPECT_EQ(header.byWords, GetParam().byWords);
  EXPECT_EQ(header.unit, GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(
    , HeaderCellTest,
    testing::Values(HeaderCase{"Letter", " p ", Field::P, false, ""},
                    HeaderCase{"LetterAndBrackets", "C[mm]", Field::C, false, "mm"},
                    HeaderCase{"LetterAndParentheses", "V (m3)", Field::V, false, "m3"},
                    HeaderCase{"Words", "Design pressure (barg)", Field::P, true, "barg"},
                    HeaderCase{"ShortWordsInCapitals", "PRESSURE", Field::P, true, ""},
                    HeaderCase{"CorrosionAllowance", "Corrosion  allowance (mm)", Field::C, true,
                               "mm"},
                    HeaderCase{"StressValue", "stress value [MPa]", Field::S, true, "MPa"},
                    HeaderCase{"AllowableStress", "Allowable stress", Field::S, true, ""},
                    HeaderCase{"JointEfficiency", "Joint efficiency", Field::E, true, ""},
                    HeaderCase{"Volume", "Volume (m3)", Field::V, true, "m3"},
                    HeaderCase{"CarriedWithParentheses", "Service (note)", std::nullopt, false, ""},
                    HeaderCase{"CarriedNearMiss", "Design pressure max", std::nullopt, false, ""},
                    HeaderCase{"Empty", "", std::nullopt, false, ""}),
    CaseName());

}  // namespace
}  // namespace brenmor

#include "brenmor/design/quantity.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace brenmor {
namespace {

struct ReadCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const ReadCase& c) { return os << c.name; }
  Field field;
  const char* text;
  DecimalMark mark;
  ProblemKind error;
  double number;
  int unit;
  const char* message;  // when not read
};

class ReadQuantityTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadQuantityTest, Reads) {
  const ReadCase& c = GetParam();
  const QuantityRead read = ReadQuantity(c.field, c.text, {}, c.mark);
  EXPECT_EQ(read.problem.kind, c.error);
  if (c.error != ProblemKind::None) {
    EXPECT_EQ(read.problem.field, c.field);
    EXPECT_EQ(Message(read.problem), c.message);
    return;
  }
  EXPECT_EQ(read.quantity.number, c.number);
  EXPECT_EQ(read.quantity.unit, c.unit);
}

constexpr DecimalMark kPoint = DecimalMark::Point;
constexpr DecimalMark kComma = DecimalMark::Comma;

INSTANTIATE_TEST_SUITE_P(
    , ReadQuantityTest,
    testing::Values(
        ReadCase{"Plain", Field::P, " 100 ", kPoint, ProblemKind::None, 100, 0, ""},
        ReadCase{"UnitInAnyCase", Field::P, "10 BAR", kPoint, ProblemKind::None, 10, 1, ""},
        ReadCase{"CubicMetres", Field::V, "20m^3", kPoint, ProblemKind::None, 20, 1, ""},
        ReadCase{"Exponent", Field::S, "1.6E4psi", kPoint, ProblemKind::None, 16000, 0, ""},
        ReadCase{"DecimalComma", Field::C, "1,5 mm", kComma, ProblemKind::None, 1.5, 1, ""},
        ReadCase{"Empty", Field::P, " \t", kPoint, ProblemKind::Empty, 0, 0, "P is empty"},
        ReadCase{"Word", Field::P, "abc", kPoint, ProblemKind::NotANumber, 0, 0,
                 "P \"abc\" is not a number"},
        ReadCase{"Infinity", Field::P, "inf", kPoint, ProblemKind::NotANumber, 0, 0,
                 "P \"inf\" is not a number"},
        ReadCase{"TwoNumbers", Field::V, "1 2x", kPoint, ProblemKind::UnitNotTaken, 0, 0,
                 "V \"1 2x\": x is not ft^3, m^3, m3 or ft3"},
        ReadCase{"CommaWithoutTheOption", Field::P, "10,5", kPoint, ProblemKind::CommaDecimal, 0, 0,
                 "P \"10,5\" is not a number with \".\" as the decimal mark"},
        ReadCase{"PointWithTheCommaOption", Field::P, "10.5", kComma, ProblemKind::PointDecimal, 0,
                 0, "P \"10.5\" is not a number with \",\" as the decimal mark"},
        ReadCase{"ThousandsPointWithTheCommaOption", Field::P, "1.000,5", kComma,
                 ProblemKind::PointDecimal, 0, 0,
                 "P \"1.000,5\" is not a number with \",\" as the decimal mark"},
        ReadCase{"UnitOffTheList", Field::P, "10Pa", kPoint, ProblemKind::UnitNotTaken, 0, 0,
                 "P \"10Pa\": Pa is not psi, bar, atm, psig, barg, kPa or MPa"},
        ReadCase{"UnitOffTheListWithAComma", Field::P, "10,5Pa", kComma, ProblemKind::UnitNotTaken,
                 0, 0, "P \"10,5Pa\": Pa is not psi, bar, atm, psig, barg, kPa or MPa"},
        // The spreadsheets' words: 1 MPa is exactly the 10 bar the window takes.
        ReadCase{"GaugePsi", Field::P, "10 psig", kPoint, ProblemKind::None, 10, 0, ""},
        ReadCase{"GaugeBar", Field::P, "10 BARG", kPoint, ProblemKind::None, 10, 1, ""},
        ReadCase{"KiloPascal", Field::P, "1000 kpa", kPoint, ProblemKind::None, 10, 1, ""},
        ReadCase{"MegaPascalStress", Field::S, "110.3 MPa", kPoint, ProblemKind::None, 1103, 1, ""},
        ReadCase{"MegaPascalInCapitals", Field::S, "1 MPA", kPoint, ProblemKind::None, 10, 1, ""},
        ReadCase{"MilliPascalIsNoMegaPascal", Field::S, "1 mPa", kPoint, ProblemKind::UnitNotTaken,
                 0, 0, "S \"1 mPa\": mPa is not psi, bar, atm, kPa or MPa"},
        ReadCase{"CubicMetresAsWritten", Field::V, "20 m3", kPoint, ProblemKind::None, 20, 1, ""},
        ReadCase{"CubicFeetAsWritten", Field::V, "700 FT3", kPoint, ProblemKind::None, 700, 0, ""},
        ReadCase{"GaugeIsNoStress", Field::S, "10 barg", kPoint, ProblemKind::UnitNotTaken, 0, 0,
                 "S \"10 barg\": barg is not psi, bar, atm, kPa or MPa"},
        ReadCase{"AbsolutePsi", Field::P, "10 psia", kPoint, ProblemKind::AbsolutePressure, 0, 0,
                 "P \"10 psia\": the method takes gauge pressure (psig, barg), not psia"},
        ReadCase{"AbsoluteBar", Field::P, "1 Bara", kPoint, ProblemKind::AbsolutePressure, 0, 0,
                 "P \"1 Bara\": the method takes gauge pressure (psig, barg), not Bara"},
        ReadCase{"EHasNoUnit", Field::E, "0.8bar", kPoint, ProblemKind::UnitNotTaken, 0, 0,
                 "E \"0.8bar\": E has no unit"}),
    CaseName());

}  // namespace
}  // namespace brenmor

#include "brenmor/calculation/calculation.h"

#include <gtest/gtest.h>

#include <set>

#include "case_name.h"

namespace brenmor {
namespace {

// The defaults with one value replaced.
Quantities DefaultsWith(Field field, Quantity quantity) {
  Quantities given = InBaseUnits(DefaultValues());
  given[static_cast<std::size_t>(field)] = quantity;
  return given;
}

struct CalculationCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const CalculationCase& c) {
    return os << c.name;
  }
  Quantities given;
  Status status;
  const char* message;
  std::array<const char*, 4> shown;  // F, D, L, L/D
  const char* shellThickness;
};

class CalculateTest : public testing::TestWithParam<CalculationCase> {};

TEST_P(CalculateTest, GivesTheWindowsTexts) {
  const CalculationCase& c = GetParam();
  const Calculation calc = Calculate(c.given);
  EXPECT_EQ(calc.GetStatus(), c.status);
  EXPECT_EQ(calc.MessageOf(Group::Size), c.message);
  for (const Figure figure : {Figure::F, Figure::D, Figure::L, Figure::LengthOverD}) {
    EXPECT_EQ(calc.Text(figure), c.shown[static_cast<std::size_t>(figure)]) << Info(figure).name;
  }
  EXPECT_EQ(calc.Text(Figure::ShellThickness), c.shellThickness);
}

INSTANTIATE_TEST_SUITE_P(, CalculateTest,
                         testing::Values(CalculationCase{"Defaults",
                                                         InBaseUnits(DefaultValues()),
                                                         Status::Sized,
                                                         "",
                                                         {"0.125", "1703", "12446", "7.31"},
                                                         "9.5"},
                                         CalculationCase{"TenBar",
                                                         DefaultsWith(Field::P, {10, 1}),
                                                         Status::Sized,
                                                         "",
                                                         {"0.181", "1562", "14782", "9.46"},
                                                         "11.1"},
                                         CalculationCase{"EAboveOne",
                                                         DefaultsWith(Field::E, {1.5, 0}),
                                                         Status::Refused,
                                                         "E must be less than 1",
                                                         {"", "", "", ""},
                                                         ""},
                                         CalculationCase{"UnitOffTheList",
                                                         DefaultsWith(Field::C, {1, 2}),
                                                         Status::Refused,
                                                         "Select a unit from the list",
                                                         {"", "", "", ""},
                                                         ""},
                                         CalculationCase{
                                             "BeyondTheCorrelation",
                                             DefaultsWith(Field::P, {4000, 0}),
                                             Status::Refused,
                                             "F is above 3, beyond the sizing correlation",
                                             {"5", "", "", ""},
                                             ""}),
                         CaseName());

// Every value is committed; the first refused, in P, C, S, E, V order,
// gives the message.
TEST(CalculateRefusalTest, NamesTheFirstValueNotTaken) {
  Quantities given = DefaultsWith(Field::V, {1e308, 1});
  given[static_cast<std::size_t>(Field::E)] = {2, 0};
  const Calculation calc = Calculate(given);
  EXPECT_EQ(calc.problem, Problem(ProblemKind::EAboveOne, Field::E));
  EXPECT_EQ(calc.committed[static_cast<std::size_t>(Field::P)], 100);
  EXPECT_FALSE(calc.committed[static_cast<std::size_t>(Field::V)].has_value()) << "out of range";
  EXPECT_EQ(calc.wall.error, ProblemKind::NotSized);
  EXPECT_EQ(calc.MessageOf(Group::Wall), "") << "the size's refusal says it";
}

// A sized vessel whose wall is refused keeps its size and says why.
TEST(CalculateRefusalTest, AWallRefusedKeepsTheSize) {
  const Calculation calc = Calculate(DefaultsWith(Field::P, {-10, 0}));
  EXPECT_TRUE(calc.Sized());
  EXPECT_EQ(calc.Text(Figure::D), "4068");
  EXPECT_EQ(calc.Text(Figure::EmptyWeight), "");
  EXPECT_EQ(calc.MessageOf(Group::Wall),
            "The wall is worked out for internal pressure only, and P is below 0");
}

// The table every front end reads: each figure has its own name and page
// element, a caption and help, and lands in the columns a list adds.
TEST(FigureTableTest, EachFigureHasOneRowAndOneColumn) {
  std::set<std::string_view> names;
  std::set<std::string_view> ids;
  for (const Figure figure : kFigures) {
    const FigureInfo& info = Info(figure);
    EXPECT_TRUE(names.insert(info.name).second) << info.name;
    EXPECT_TRUE(ids.insert(info.pageId).second) << info.pageId;
    EXPECT_FALSE(info.caption.empty() || info.label.empty() || info.help.empty()) << info.name;
  }
  std::size_t figureColumns = 0;
  std::vector<std::string_view> columns;
  for (const ResultColumn& column : ResultColumns()) {
    columns.push_back(Name(column));
    figureColumns += column.kind == ColumnKind::Figure ? 1 : 0;
  }
  EXPECT_EQ(figureColumns, kFigures.size());
  EXPECT_EQ(columns, (std::vector<std::string_view>{
                         "F", "D_mm", "L_mm", "L_over_D", "status", "message", "t_shell_mm",
                         "t_head_mm", "weight_empty_kg", "weight_water_kg", "least_weight_D_mm",
                         "wall_message", "mawp_psi", "test_pressure_psi", "cost_usd",
                         "cost_platforms_usd", "least_cost_D_mm", "cost_message"}));
  EXPECT_EQ(CaptionWithUnit(Figure::D), "Diameter (mm)");
  EXPECT_EQ(CaptionWithUnit(Figure::LengthOverD), "L/D");
  EXPECT_EQ(WithUnit(Figure::ShellThickness, "9.5"), "9.5 mm");
  EXPECT_EQ(WithUnit(Figure::ShellThickness, ""), "");
}

}  // namespace
}  // namespace brenmor

// The form's rules, event by event, as the window and the page draw them.
#include "brenmor/form/form_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "case_name.h"

namespace {

using brenmor::Control;
using brenmor::Field;
using brenmor::Figure;
using brenmor::FormModel;
using brenmor::FormView;
using brenmor::HeadKind;
using brenmor::Option;

enum class Kind {
  Edit,
  Pick,
  PickWithoutFocus,
  LeaveE,
  LeaveWindow,
  Calculate,
  Close,
  CopyFails,
  SaveFails
};

struct Event {
  Kind kind;
  Field field = Field::P;
  std::string text;  // typed
  int unit = 0;      // picked
};

Event Edit(Field field, std::string text) { return {Kind::Edit, field, std::move(text)}; }
Event Pick(Field field, int unit) { return {Kind::Pick, field, "", unit}; }
Event Just(Kind kind) { return {kind, Field::P, "", 0}; }

const FormView& Send(FormModel& form, const Event& e) {
  switch (e.kind) {
    case Kind::Edit:
      return form.TextEdited(e.field, e.text);
    case Kind::Pick:
    case Kind::PickWithoutFocus:
      return form.UnitPicked(e.field, e.unit, e.kind == Kind::Pick);
    case Kind::LeaveE:
    case Kind::LeaveWindow:
      return form.FocusLeftE(e.kind == Kind::LeaveE);
    case Kind::Calculate:
      return form.CalculatePressed();
    case Kind::Close:
      return form.MessageClosed();
    case Kind::CopyFails:
      return form.CopyFailed();
    case Kind::SaveFails:
      return form.ChartNotSaved("/media/cd/chart.svg", "Read-only file system");
  }
  return form.View();
}

struct FormCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const FormCase& c) { return os << c.name; }
  std::vector<Event> events;
  Field field;  // the box looked at afterwards
  std::string text;
  bool edited;
  bool listShown;
  int unit;
  std::string message;
  std::optional<Control> focus;
  std::string fText;
  std::string dText;
};

class FormEventsTest : public testing::TestWithParam<FormCase> {};

TEST_P(FormEventsTest, Draws) {
  const FormCase& c = GetParam();
  FormModel form;
  for (const Event& event : c.events) Send(form, event);
  const FormView& view = form.View();
  const brenmor::ValueBox& box = view.Box(c.field);
  EXPECT_EQ(box.text, c.text);
  EXPECT_EQ(box.edited, c.edited);
  EXPECT_EQ(box.listShown, c.listShown);
  EXPECT_EQ(box.unit, c.unit);
  EXPECT_EQ(view.message, c.message);
  EXPECT_EQ(view.focus, c.focus);
  EXPECT_EQ(view.fText, c.fText);
  EXPECT_EQ(view.dText, c.dText);
}

INSTANTIATE_TEST_SUITE_P(
    , FormEventsTest,
    testing::Values(FormCase{"opensWithDefaultsCommitted",
                             {},
                             Field::P,
                             "100",
                             false,
                             false,
                             -1,
                             "",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"anEditOffersTheUnitsAskingForOne",
                             {Edit(Field::C, "3")},
                             Field::C,
                             "3",
                             true,
                             true,
                             -1,
                             "",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"aPickCommitsAndMovesTheFocusOn",
                             {Edit(Field::P, "10"), Pick(Field::P, 1)},
                             Field::P,
                             "145.038",
                             true,
                             false,
                             1,
                             "",
                             Control::txtC,
                             "0.181",
                             ""},
                    FormCase{"aPickWithoutFocusMovesNoFocus",
                             {Edit(Field::V, "20"), {Kind::PickWithoutFocus, Field::V, "", 1}},
                             Field::V,
                             "705.751",
                             true,
                             false,
                             1,
                             "",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"aRefusedPickKeepsTheText",
                             {Edit(Field::S, "1e308"), Pick(Field::S, 1)},
                             Field::S,
                             "1e308",
                             true,
                             true,
                             -1,
                             "Stress value is out of range",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"refusedPickClosedFocusesTheList",
                             {Edit(Field::S, "1e308"), Pick(Field::S, 1), Just(Kind::Close)},
                             Field::S,
                             "1e308",
                             true,
                             true,
                             -1,
                             "",
                             Control::cmbSU,
                             "",
                             ""},
                    FormCase{"anEAboveOneIsRefusedOnLeavingItsBox",
                             {Edit(Field::E, "1.5"), Just(Kind::LeaveE)},
                             Field::E,
                             "1.5",
                             true,
                             false,
                             -1,
                             "E must be less than 1",
                             std::nullopt,
                             "0.125",
                             ""},
                    FormCase{"closingTheRefusalClearsE",
                             {Edit(Field::E, "1.5"), Just(Kind::LeaveE), Just(Kind::Close)},
                             Field::E,
                             "",
                             true,
                             false,
                             -1,
                             "",
                             Control::txtE,
                             "0.125",
                             ""},
                    FormCase{"leavingTheWindowCommitsNothing",
                             {Edit(Field::E, "1.5"), Just(Kind::LeaveWindow)},
                             Field::E,
                             "1.5",
                             true,
                             false,
                             -1,
                             "",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"calculateSizesTheCommittedDesign",
                             {Edit(Field::V, "1e9"), Just(Kind::Calculate)},
                             Field::V,
                             "1e9",
                             true,
                             true,
                             -1,
                             "",
                             std::nullopt,
                             "0.125",
                             "1703"},
                    FormCase{"refusedCalculateFocusesTheButton",
                             {Edit(Field::C, "0"), Pick(Field::C, 0), Just(Kind::Calculate),
                              Just(Kind::Close)},
                             Field::C,
                             "0",
                             true,
                             false,
                             0,
                             "",
                             Control::cmdCalc,
                             "",
                             ""},
                    FormCase{"editingEOffersNoList",
                             {Edit(Field::E, "0.7")},
                             Field::E,
                             "0.7",
                             true,
                             false,
                             -1,
                             "",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"aUnitOffTheListIsRefused",
                             {Edit(Field::C, "3"), Pick(Field::C, 2)},
                             Field::C,
                             "3",
                             true,
                             true,
                             -1,
                             "Select a unit from the list",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"aRefusedCopySaysSo",
                             {Just(Kind::CopyFails)},
                             Field::P,
                             "100",
                             false,
                             false,
                             -1,
                             "The calculation record could not be copied to the clipboard",
                             std::nullopt,
                             "",
                             ""},
                    FormCase{"aChartNotSavedSaysWhy",
                             {Just(Kind::SaveFails)},
                             Field::P,
                             "100",
                             false,
                             false,
                             -1,
                             "The chart could not be saved as /media/cd/chart.svg: Read-only file "
                             "system",
                             std::nullopt,
                             "",
                             ""}),
    CaseName());

TEST(FormModelTest, TheChartFollowsTheLastCalculateOnly) {
  FormModel form;
  EXPECT_FALSE(form.View().calculation);
  form.CalculatePressed();
  form.TextEdited(Field::V, "20");
  form.UnitPicked(Field::V, 1, true);
  ASSERT_TRUE(form.View().calculation);
  EXPECT_EQ(form.View().calculation->Values().V, 1000);
  EXPECT_EQ(form.View().calculations, 1U) << "an edit and a pick calculate nothing";
  form.CalculatePressed();
  EXPECT_NE(form.View().calculation->Values().V, 1000);
}

// The panel's choices are the form's: a pick works the last Calculate out
// again with them, and the record copied takes them, whichever view asked.
TEST(FormModelTest, AChoiceWorksTheLastCalculateOutAgain) {
  FormModel form;
  form.OptionPicked(Option::Head, 1);
  EXPECT_FALSE(form.View().calculation) << "nothing to work out before a Calculate";
  form.CalculatePressed();
  EXPECT_EQ(form.View().calculation->options.head, HeadKind::Hemispherical);
  form.OptionPicked(Option::PlateStep, 1);
  EXPECT_EQ(form.View().calculations, 2U);
  EXPECT_EQ(form.View().calculation->Text(Figure::HeadThickness), "5.0");
  form.OptionPicked(Option::PlateStep, 2);
  form.OptionPicked(Option::PlateStep, -1);
  form.OptionPicked(Option::PlateStep, 1);
  EXPECT_EQ(form.View().calculations, 2U) << "off its list, or the same, changes nothing";
  EXPECT_NE(form.Record().find("Wall and weight: hemispherical heads, plates in steps of 1 mm"),
            std::string::npos)
      << form.Record();
}

}  // namespace

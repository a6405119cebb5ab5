// The engine as the page sees it: the design state and its operations, the
// form's table and the calculation record, each result a plain object. The
// page's handlers call these and nothing else, so the page holds no rule of
// its own and shows the window's digits.
#include <emscripten/bind.h>

#include <optional>
#include <string>
#include <vector>

#include "brenmor/design_state.h"
#include "brenmor/record.h"

namespace {

using brenmor::CommitError;
using brenmor::Field;

// What a unit pick or leaving the E box gives the page.
struct CommitResult {
  bool accepted = true;
  std::string message;      // when refused: the window's message
  std::string writtenBack;  // a unit pick's new text for its box
  bool fRefreshed = false;  // F was worked out again...
  std::string fText;        // ...and shows this
};

struct CalculationResult {
  bool sized = false;
  std::string message;  // when refused: the window's message
  std::string fText;
  std::string dText;
  std::string lText;
  std::string lengthOverD;
};

struct FieldTexts {
  std::string letter;
  std::string caption;
  std::string help;
  std::string unitsName;  // the unit list's accessible name; empty for E
  std::vector<std::string> units;
  std::string defaultText;
};

struct ResultTexts {
  std::string caption;
  std::string help;
};

struct FormTexts {
  std::string title;
  std::string selectUnits;
  std::string calculate;
  std::string revision;
  std::string date;
  std::string copyRecord;
  std::string logo;
  std::string separator;
};

Field ToField(int field) { return static_cast<Field>(field); }

CommitResult Refreshed(CommitResult result, const std::optional<std::string>& fText) {
  result.fRefreshed = fText.has_value();
  result.fText = fText.value_or("");
  return result;
}

// One design, as the window's DesignState, for the page's life.
class Design {
 public:
  Design() { state_.LoadDefaults(); }

  CommitResult CommitWithUnit(int field, int unit, const std::string& text) {
    const brenmor::UnitCommit commit = state_.CommitWithUnit(ToField(field), unit, text);
    if (commit.error != CommitError::None) {
      return {false, brenmor::Message(commit.error, ToField(field)), "", false, ""};
    }
    return Refreshed({true, "", commit.writtenBack, false, ""}, commit.fText);
  }

  CommitResult CommitE(const std::string& text) {
    const brenmor::ECommit commit = state_.CommitE(text);
    const bool accepted = commit.error == CommitError::None;
    return Refreshed({accepted, brenmor::Message(commit.error, Field::E), "", false, ""},
                     commit.fText);
  }

  CalculationResult Calculate() {
    const brenmor::Evaluation e = state_.Calculate();
    return {
        e.status == brenmor::Status::Sized, e.message, e.fText, e.dText, e.lText, e.lengthOverD};
  }

  std::string Record() const { return brenmor::CalculationRecord(state_.Values()); }

 private:
  brenmor::DesignState state_;
};

std::vector<FieldTexts> Fields() {
  std::vector<FieldTexts> fields;
  for (const Field field : brenmor::kFields) {
    const brenmor::FieldInfo& info = brenmor::Info(field);
    const std::string unitsName =
        info.units.empty() ? "" : std::string(brenmor::kFormTexts.unitsOf) + std::string(info.name);
    fields.push_back({std::string(info.letter), std::string(info.caption), std::string(info.help),
                      unitsName, std::vector<std::string>(info.units.begin(), info.units.end()),
                      std::string(info.defaultText)});
  }
  return fields;
}

std::vector<ResultTexts> Results() {
  std::vector<ResultTexts> results;
  for (const brenmor::Result result :
       {brenmor::Result::F, brenmor::Result::D, brenmor::Result::L}) {
    const brenmor::ResultInfo& info = brenmor::Info(result);
    results.push_back({std::string(info.caption), std::string(info.help)});
  }
  return results;
}

FormTexts Texts() {
  const brenmor::FormTexts& t = brenmor::kFormTexts;
  return {std::string(t.title),    std::string(t.selectUnits), std::string(t.calculate),
          std::string(t.revision), std::string(t.date),        std::string(t.copyRecord),
          std::string(t.logo),     std::string(t.separator)};
}

}  // namespace

EMSCRIPTEN_BINDINGS(brenmor) {
  using emscripten::value_object;
  value_object<CommitResult>("CommitResult")
      .field("accepted", &CommitResult::accepted)
      .field("message", &CommitResult::message)
      .field("writtenBack", &CommitResult::writtenBack)
      .field("fRefreshed", &CommitResult::fRefreshed)
      .field("fText", &CommitResult::fText);
  value_object<CalculationResult>("CalculationResult")
      .field("sized", &CalculationResult::sized)
      .field("message", &CalculationResult::message)
      .field("fText", &CalculationResult::fText)
      .field("dText", &CalculationResult::dText)
      .field("lText", &CalculationResult::lText)
      .field("lengthOverD", &CalculationResult::lengthOverD);
  value_object<FieldTexts>("FieldTexts")
      .field("letter", &FieldTexts::letter)
      .field("caption", &FieldTexts::caption)
      .field("help", &FieldTexts::help)
      .field("unitsName", &FieldTexts::unitsName)
      .field("units", &FieldTexts::units)
      .field("defaultText", &FieldTexts::defaultText);
  value_object<ResultTexts>("ResultTexts")
      .field("caption", &ResultTexts::caption)
      .field("help", &ResultTexts::help);
  value_object<FormTexts>("FormTexts")
      .field("title", &FormTexts::title)
      .field("selectUnits", &FormTexts::selectUnits)
      .field("calculate", &FormTexts::calculate)
      .field("revision", &FormTexts::revision)
      .field("date", &FormTexts::date)
      .field("copyRecord", &FormTexts::copyRecord)
      .field("logo", &FormTexts::logo)
      .field("separator", &FormTexts::separator);
  emscripten::register_vector<std::string>("StringList");
  emscripten::register_vector<FieldTexts>("FieldList");
  emscripten::register_vector<ResultTexts>("ResultList");
  emscripten::class_<Design>("Design")
      .constructor<>()
      .function("commitWithUnit", &Design::CommitWithUnit)
      .function("commitE", &Design::CommitE)
      .function("calculate", &Design::Calculate)
      .function("record", &Design::Record);
  emscripten::function("fields", &Fields);
  emscripten::function("results", &Results);
  emscripten::function("texts", &Texts);
}

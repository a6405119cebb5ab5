// The engine as the page sees it: the design state's operations, the form's
// texts and the calculation record, as a small C API. Each result is one
// text of named fields, so that the page reads a struct by its field names
// and holds no rule of its own. A C API rather than embind: embind's glue
// and type registration tripled the page's start-up and doubled its size.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "brenmor/chart.h"
#include "brenmor/design_state.h"
#include "brenmor/record.h"
#include "brenmor/wall.h"
#include "brenmor/weight_plot.h"

namespace {

using brenmor::CommitError;
using brenmor::Field;

// A struct as text: "name\x1Fvalue" pairs, each ended by \x1E; a list's
// items are ended by \x1C, and structs in a list by \x1D.
class Fields {
 public:
  Fields& Add(std::string_view name, std::string_view value) {
    ((text_ += name) += '\x1F') += value;
    text_ += '\x1E';
    return *this;
  }
  // A yes or no: "1" or "", which JavaScript reads as true or false.
  Fields& Flag(std::string_view name, bool value) {
    return Add(name, std::string_view(value ? "1" : ""));
  }
  template <class Range>
  Fields& AddList(std::string_view name, const Range& items) {
    std::string list;
    for (const auto& item : items) (list += item) += '\x1C';
    return Add(name, list);
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

brenmor::DesignState& State() {
  static brenmor::DesignState state = [] {
    brenmor::DesignState loaded;
    loaded.LoadDefaults();
    return loaded;
  }();
  return state;
}

// The design as the last Calculate took it, which the chart shows.
std::optional<brenmor::DesignValues>& Calculated() {
  static std::optional<brenmor::DesignValues> calculated;
  return calculated;
}

// The last result, alive until the next call: the page copies it at once.
const char* Result(std::string text) {
  static std::string result;
  result = std::move(text);
  return result.c_str();
}

// What a unit pick or leaving the E box gives the page.
const char* Commit(CommitError error, Field field, std::string_view writtenBack,
                   const std::optional<std::string>& fText) {
  return Result(Fields()
                    .Flag("accepted", error == CommitError::None)
                    .Add("message", brenmor::Message(error, field))
                    .Add("writtenBack", writtenBack)
                    .Flag("fRefreshed", fText.has_value())
                    .Add("fText", fText.value_or(""))
                    .Take());
}

std::string FieldTexts(Field field) {
  const brenmor::FieldInfo& info = brenmor::Info(field);
  const std::string unitsName =
      info.units.empty() ? "" : std::string(brenmor::kFormTexts.unitsOf) + std::string(info.name);
  return Fields()
      .Add("letter", info.letter)
      .Add("caption", info.caption)
      .Add("help", info.help)
      .Add("unitsName", unitsName)
      .AddList("units", info.units)
      .Add("defaultText", info.defaultText)
      .Take();
}

std::string ResultTexts(brenmor::Result result) {
  const brenmor::ResultInfo& info = brenmor::Info(result);
  return Fields().Add("caption", info.caption).Add("help", info.help).Take();
}

// The wall panel's captions and choices.
std::string WallPanelTexts() {
  const brenmor::FormTexts& t = brenmor::kFormTexts;
  Fields fields;
  fields.Add("title", t.wallTitle).Add("headKind", t.headKind).Add("plateStep", t.plateStep);
  std::vector<std::string_view> heads;
  std::vector<std::string_view> steps;
  for (const auto head : brenmor::kHeadKinds) heads.push_back(brenmor::Caption(head));
  for (const auto step : brenmor::kPlateSteps) steps.push_back(brenmor::Caption(step));
  fields.AddList("heads", heads).AddList("steps", steps);
  for (const brenmor::WallResult result : brenmor::kWallResults) {
    const brenmor::WallResultInfo& info = brenmor::Info(result);
    fields.Add(std::string(info.name) + "Caption", info.caption)
        .Add(std::string(info.name) + "Help", info.help);
  }
  return fields.Take();
}

// The wall options the page's lists name by position, or nothing when a
// position is off its list.
std::optional<brenmor::WallOptions> WallOptionsAt(int head, int step) {
  const auto on = [](int at, std::size_t size) {
    return at >= 0 && static_cast<std::size_t>(at) < size;
  };
  if (!on(head, brenmor::kHeadKinds.size()) || !on(step, brenmor::kPlateSteps.size())) {
    return std::nullopt;
  }
  brenmor::WallOptions options;
  options.head = brenmor::kHeadKinds[static_cast<std::size_t>(head)];
  options.step = brenmor::kPlateSteps[static_cast<std::size_t>(step)];
  return options;
}

std::string WindowTexts() {
  const brenmor::FormTexts& t = brenmor::kFormTexts;
  return Fields()
      .Add("title", t.title)
      .Add("selectUnits", t.selectUnits)
      .Add("calculate", t.calculate)
      .Add("revision", t.revision)
      .Add("date", t.date)
      .Add("copyRecord", t.copyRecord)
      .Add("copyFailed", t.copyFailed)
      .Add("logo", t.logo)
      .Add("separator", t.separator)
      .Take();
}

}  // namespace

extern "C" {

// The form: the window's texts, then P, C, S, E, V, then F, D, L.
EMSCRIPTEN_KEEPALIVE const char* brenmor_form() {
  std::string form = WindowTexts() + '\x1D';
  for (const Field field : brenmor::kFields) form += FieldTexts(field) + '\x1D';
  for (const auto result : {brenmor::Result::F, brenmor::Result::D, brenmor::Result::L}) {
    form += ResultTexts(result) + '\x1D';
  }
  return Result(std::move(form));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_commit_with_unit(int field, int unit, const char* text) {
  // A unit off its list is the commit's own refusal; a field off the form
  // is the page's mistake.
  if (field < 0 || static_cast<std::size_t>(field) >= brenmor::kFields.size()) {
    return Result(Fields().Add("error", "no such field").Take());
  }
  const auto f = static_cast<Field>(field);
  const brenmor::UnitCommit commit = State().CommitWithUnit(f, unit, text);
  return Commit(commit.error, f, commit.writtenBack, commit.fText);
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_commit_e(const char* text) {
  const brenmor::ECommit commit = State().CommitE(text);
  return Commit(commit.error, Field::E, "", commit.fText);
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_calculate() {
  const brenmor::Evaluation e = State().Calculate();
  Calculated() = State().Values();
  return Result(Fields()
                    .Flag("sized", e.status == brenmor::Status::Sized)
                    .Add("message", e.message)
                    .Add("fText", e.fText)
                    .Add("dText", e.dText)
                    .Add("lText", e.lText)
                    .Add("lengthOverD", e.lengthOverD)
                    .Take());
}

// The chart of the last Calculate as SVG, in the page's text colour.
EMSCRIPTEN_KEEPALIVE const char* brenmor_chart(int width, int height) {
  const brenmor::Chart chart =
      Calculated() ? brenmor::ChartOf(*Calculated()) : brenmor::EmptyChart();
  return Result(brenmor::ChartSvg(chart, width, height, "currentColor", "#ffffff", "#2a7ab8"));
}

// The record of the committed values, its wall with the page's heads and
// plate step.
EMSCRIPTEN_KEEPALIVE const char* brenmor_record(int head, int step) {
  const auto options = WallOptionsAt(head, step);
  if (!options) return Result("");
  return Result(brenmor::CalculationRecord(State().Values(), *options));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_wall_texts() { return Result(WallPanelTexts()); }

// The wall of the last Calculate with the page's heads and plate step: each
// figure with its unit, the note on the least weight, the refusal, and the
// weight curve as SVG in the page's text colour.
EMSCRIPTEN_KEEPALIVE const char* brenmor_wall(int head, int step, int width, int height) {
  const auto options = WallOptionsAt(head, step);
  if (!options) return Result(Fields().Add("error", "no such head kind or plate step").Take());
  const brenmor::Wall wall =
      Calculated() ? brenmor::WallOf(*Calculated(), *options) : brenmor::Wall{};
  const brenmor::WallTexts texts = brenmor::TextsOf(wall);
  Fields fields;
  for (const brenmor::WallResult result : brenmor::kWallResults) {
    fields.Add(brenmor::Info(result).name, brenmor::WithUnit(texts, result));
  }
  const brenmor::WeightPlot plot = brenmor::WeightPlotOf(Calculated(), wall);
  return Result(fields.Add("note", brenmor::LeastWeightNote(wall))
                    .Add("message", texts.message)
                    .Add("plot", brenmor::WeightPlotSvg(plot, width, height, "currentColor",
                                                        "#ffffff", "#2a7ab8"))
                    .Take());
}

}  // extern "C"

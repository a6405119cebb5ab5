// The engine as the page sees it: the form's model and texts, the chart, the
// wall, the calculation record and the sizing of a list, as a small C API.
// Each result is one text of named fields, so that the page reads a struct by its field names
// and holds no rule of its own. A C API rather than embind: embind's glue
// and type registration tripled the page's start-up and doubled its size.
#include <emscripten/emscripten.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "brenmor/presentation/chart.h"
#include "brenmor/form/form_model.h"
#include "brenmor/presentation/record.h"
#include "brenmor/wall/wall.h"
#include "brenmor/presentation/weight_plot.h"
#include "list_run.h"
#include "list_texts.h"

namespace {

using brenmor::DecimalMark;
using brenmor::Field;
namespace lists = brenmor::lists;

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

// The form, whose events the page forwards here.
brenmor::FormModel& Form() {
  static brenmor::FormModel form;
  return form;
}

// The last result, alive until the next call: the page copies it at once.
const char* Result(std::string text) {
  static std::string result;
  result = std::move(text);
  return result.c_str();
}

// What the page must now show: each value's box and list (their fields
// named by the value's letter: Ptext, Pedited, PlistShown, Punit), the
// results, the message and where the focus goes.
const char* View(const brenmor::FormView& view) {
  Fields fields;
  for (const Field field : brenmor::kFields) {
    const std::string letter(brenmor::Info(field).letter);
    const brenmor::ValueBox& box = view.Box(field);
    fields.Add(letter + "text", box.text)
        .Flag(letter + "edited", box.edited)
        .Flag(letter + "listShown", box.listShown)
        .Add(letter + "unit", std::to_string(box.unit));
  }
  return Result(fields.Add("fText", view.fText)
                    .Add("dText", view.dText)
                    .Add("lText", view.lText)
                    .Add("message", view.message)
                    .Add("focus", view.focus ? brenmor::Name(*view.focus) : "")
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

// A list's bytes come from the page's worker, a slice at a time: of the
// file chosen, read as the reader asks for it, or of the cells pasted.
// Fewer than asked for is the end; less than none, a failure to read.
EM_JS(int, brenmor_page_read_list, (char* into, int size),
      { return Module["readList"](into, size); });

lists::ByteSource PageSource() {
  return [](char* into, std::size_t size) {
    const int count = brenmor_page_read_list(into, static_cast<int>(size));
    return count < 0 ? lists::BytesRead{0, EIO}
                     : lists::BytesRead{static_cast<std::size_t>(count), 0};
  };
}

// The list being sized.
std::optional<lists::ListRun>& Run() {
  static std::optional<lists::ListRun> run;
  return run;
}

// A cell as the page's table shows it: a list may hold any byte, and a
// control character, the fields' separators among them, shows as a space.
std::string ShownCell(std::string_view cell) {
  std::string shown(cell);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = ' ';
  }
  return shown;
}

// A row as the page's table shows it: the list's line, then the cells,
// each ended by \x1C, and the row by \x1D.
std::string ShownRow(std::string_view line, const std::vector<std::string>& cells) {
  std::string text(line);
  text += '\x1C';
  for (const std::string& cell : cells) (text += ShownCell(cell)) += '\x1C';
  return text += '\x1D';
}

std::string ShownRows(const std::vector<lists::ShownRow>& rows) {
  std::string text;
  for (const lists::ShownRow& row : rows) text += ShownRow(std::to_string(row.line), row.cells);
  return text;
}

std::string ListSectionTexts() {
  const lists::ListTexts& t = lists::kListTexts;
  std::vector<std::string_view> delimiters;
  for (const auto choice : lists::kDelimiterChoices) delimiters.push_back(lists::Caption(choice));
  return Fields()
      .Add("title", t.title)
      .Add("paste", t.paste)
      .Add("sizeList", t.sizeList)
      .Add("openFile", t.openFile)
      .Add("decimalComma", t.decimalComma)
      .Add("delimiter", t.delimiter)
      .AddList("delimiters", delimiters)
      .Add("cancel", t.cancel)
      .Add("copy", t.copy)
      .Add("download", t.download)
      .Add("results", t.results)
      .Add("copyFailed", t.copyFailed)
      .Add("pastedNotShown", t.pastedNotShown)
      .Add("largestPasteShown", std::to_string(lists::kLargestPasteShown))
      .Take();
}

std::string At(const std::string& text) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(text.data()));
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

// The form's events, each answered with the view to draw.
EMSCRIPTEN_KEEPALIVE const char* brenmor_view() { return View(Form().View()); }

EMSCRIPTEN_KEEPALIVE const char* brenmor_text_edited(int field, const char* text) {
  if (field < 0 || static_cast<std::size_t>(field) >= brenmor::kFields.size()) {
    return Result(Fields().Add("error", "no such field").Take());
  }
  return View(Form().TextEdited(static_cast<Field>(field), text));
}

// A unit off its list is the model's own refusal; a field off the form, or
// E, which has no list, is the page's mistake.
EMSCRIPTEN_KEEPALIVE const char* brenmor_unit_picked(int field, int unit, int listHadFocus) {
  if (field < 0 || static_cast<std::size_t>(field) >= brenmor::kFields.size() ||
      static_cast<Field>(field) == Field::E) {
    return Result(Fields().Add("error", "no such unit list").Take());
  }
  return View(Form().UnitPicked(static_cast<Field>(field), unit, listHadFocus != 0));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_focus_left_e(int forAnotherControl) {
  return View(Form().FocusLeftE(forAnotherControl != 0));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_calculate() { return View(Form().CalculatePressed()); }

EMSCRIPTEN_KEEPALIVE const char* brenmor_message_closed() { return View(Form().MessageClosed()); }

EMSCRIPTEN_KEEPALIVE const char* brenmor_copy_failed() { return View(Form().CopyFailed()); }

// The chart of the last Calculate as SVG, in the page's text colour.
EMSCRIPTEN_KEEPALIVE const char* brenmor_chart(int width, int height) {
  const auto& calculated = Form().View().calculated;
  const brenmor::Chart chart = calculated ? brenmor::ChartOf(*calculated) : brenmor::EmptyChart();
  return Result(brenmor::ChartSvg(chart, width, height, "currentColor", "#ffffff", "#2a7ab8"));
}

// The record of the committed values, its wall with the page's heads and
// plate step.
EMSCRIPTEN_KEEPALIVE const char* brenmor_record(int head, int step) {
  const auto options = WallOptionsAt(head, step);
  if (!options) return Result("");
  return Result(brenmor::CalculationRecord(Form().State().Values(), *options));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_wall_texts() { return Result(WallPanelTexts()); }

// The wall of the last Calculate with the page's heads and plate step: each
// figure with its unit, the note on the least weight, the refusal, and the
// weight curve as SVG in the page's text colour.
EMSCRIPTEN_KEEPALIVE const char* brenmor_wall(int head, int step, int width, int height) {
  const auto options = WallOptionsAt(head, step);
  if (!options) return Result(Fields().Add("error", "no such head kind or plate step").Take());
  const auto& calculated = Form().View().calculated;
  const brenmor::Wall wall = calculated ? brenmor::WallOf(*calculated, *options) : brenmor::Wall{};
  const brenmor::WallTexts texts = brenmor::TextsOf(wall);
  Fields fields;
  for (const brenmor::WallResult result : brenmor::kWallResults) {
    fields.Add(brenmor::Info(result).name, brenmor::WithUnit(texts, result));
  }
  const brenmor::WeightPlot plot = brenmor::WeightPlotOf(calculated, wall);
  return Result(fields.Add("note", brenmor::LeastWeightNote(wall))
                    .Add("message", texts.message)
                    .Add("plot", brenmor::WeightPlotSvg(plot, width, height, "currentColor",
                                                        "#ffffff", "#2a7ab8"))
                    .Take());
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_list_texts() { return Result(ListSectionTexts()); }

// Opens a list with the page's options, each a position on its list: its
// header is read, and what the table's head shows comes back, or why the
// whole list cannot be sized.
EMSCRIPTEN_KEEPALIVE const char* brenmor_list_open(int delimiter, int decimalComma, int pasted,
                                                   int head, int step, const char* name) {
  const auto wall = WallOptionsAt(head, step);
  if (delimiter < 0 || static_cast<std::size_t>(delimiter) >= lists::kDelimiterChoices.size() ||
      !wall) {
    return Result(Fields().Add("error", "no such delimiter, head kind or plate step").Take());
  }
  lists::RowOptions options;
  options.mark = decimalComma != 0 ? DecimalMark::Comma : DecimalMark::Point;
  options.wall = *wall;
  const auto choice = lists::kDelimiterChoices[static_cast<std::size_t>(delimiter)];
  const std::optional<char> read = lists::DelimiterOf(choice, options.mark, pasted != 0);
  Run().reset();
  std::string problem(lists::kListTexts.commaWithDecimalComma);
  if (read) {
    options.delimiter = *read;
    Run().emplace(PageSource(), options);
    problem = Run()->Problem().empty() ? "" : lists::CannotSizeText(Run()->Problem());
  }
  const std::string header =
      problem.empty() ? ShownRow(lists::kListTexts.line, Run()->HeaderCells()) : "";
  return Result(
      Fields()
          .Add("problem", problem)
          .Add("columns", problem.empty() ? lists::ColumnsText(Run()->ColumnsTaken()) : "")
          .Add("header", header)
          .Add("stopped", lists::StoppedText({}))
          .Add("sizedName", lists::SizedName(name))
          .Take());
}

// Sizes the next batch of the list opened: how far it has come,
// what it says so far, the rows the table shows, and where this batch's
// output lies, as brenmor-size writes it (csv) and tab-separated (tsv).
EMSCRIPTEN_KEEPALIVE const char* brenmor_list_next() {
  if (!Run() || !Run()->Problem().empty()) {
    return Result(Fields().Add("error", "no list is open").Take());
  }
  lists::ListRun& run = *Run();
  const bool more = run.Next(lists::ListRun::kBatchRows);
  const std::string& failure = run.Failure();
  return Result(Fields()
                    .Flag("more", more)
                    .Add("failure", failure.empty() ? "" : lists::CannotSizeText(failure))
                    .Add("summary", lists::CountsText(run.Counts()))
                    .Add("stopped", lists::StoppedText(run.Counts()))
                    .Add("leftOut", lists::LeftOutText(run.LeftOut()))
                    .Add("bytesRead", std::to_string(run.BytesRead()))
                    .Add("shown", ShownRows(run.Shown()))
                    .Add("csvAt", At(run.Csv()))
                    .Add("csvSize", std::to_string(run.Csv().size()))
                    .Add("tsvAt", At(run.Tsv()))
                    .Add("tsvSize", std::to_string(run.Tsv().size()))
                    .Take());
}

}  // extern "C"

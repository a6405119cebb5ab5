// The engine as the page sees it: the form's model and texts, the figures'
// table, the chart and panel of the last calculation, the calculation record
// and the sizing of a list, as a small C API. Each answer is one text of
// named fields, so that the page reads a struct by its field names and holds
// no rule of its own. A C API rather than embind: embind's glue and type
// registration tripled the page's start-up and doubled its size.
//
// Everything that crosses is checked here: a number off its list, a null
// text or a count from the page beyond what was asked for is refused in
// words, and every text is escaped, so that a separator typed into a box
// cannot split the struct it travels in.
#include <emscripten/emscripten.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "brenmor/form/form_model.h"
#include "brenmor/presentation/chart.h"
#include "brenmor/presentation/svg.h"
#include "brenmor/presentation/weight_plot.h"
#include "list_run.h"
#include "list_texts.h"

namespace {

using brenmor::DecimalMark;
using brenmor::Field;
using brenmor::Figure;
namespace lists = brenmor::lists;

// The page lays its pictures out at these sizes and lets its style scale
// them: the chart beside the form, the weight curve in the panel.
constexpr double kChartWidth = 480;
constexpr double kChartHeight = 360;
constexpr double kPlotWidth = 300;
constexpr double kPlotHeight = 220;

// A text with the separators below, and the escape itself, written as the
// escape and the character 0x40 above: the page undoes it (boundary.js).
constexpr char kEscape = '\x1B';
std::string Escaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    if (c >= kEscape && c <= '\x1F') {
      escaped += kEscape;
      escaped += static_cast<char>(c + 0x40);
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// A struct as text: "name\x1Fvalue" pairs, each ended by \x1E, the value
// escaped; a list's items, each escaped, are ended by \x1C, and rows of
// them by \x1D, before the list is escaped again as the field's value.
class Fields {
 public:
  Fields& Add(std::string_view name, std::string_view value) {
    ((text_ += name) += '\x1F') += Escaped(value);
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
    for (const auto& item : items) (list += Escaped(item)) += '\x1C';
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

// The last answer, alive until the next call: the page copies it at once.
const char* Answer(std::string text) {
  static std::string answer;
  answer = std::move(text);
  return answer.c_str();
}

const char* Refused(std::string_view why) { return Answer(Fields().Add("error", why).Take()); }

// The panel's choices, as positions on their lists, and its cost index.
void AddChoices(Fields& fields, const brenmor::FormView& view) {
  fields.Add("head", std::to_string(brenmor::PositionOf(view.options.head)))
      .Add("plateStep", std::to_string(brenmor::PositionOf(view.options.step)))
      .Add("orientation", std::to_string(brenmor::PositionOf(view.options.orientation)))
      .Add("costIndex", view.costIndexText);
}

// The panel, the chart and the weight and cost curves of the last
// calculation, with the choices that made it.
void AddResults(Fields& fields, const brenmor::FormView& view) {
  const brenmor::Calculation* c = view.calculation ? &*view.calculation : nullptr;
  const brenmor::Palette palette = brenmor::PagePalette();
  for (const Figure figure : brenmor::kFigures) {
    const brenmor::FigureInfo& info = brenmor::Info(figure);
    if (info.place != brenmor::Place::Panel) continue;
    fields.Add(info.pageId, c != nullptr ? brenmor::WithUnit(figure, c->Text(figure)) : "");
  }
  const auto plot = [&](const brenmor::CurvePlot& curve) {
    return brenmor::SvgOf(brenmor::DrawCurvePlot(curve, kPlotWidth, kPlotHeight), palette);
  };
  fields
      .Add("leastWeightNote", c != nullptr && c->wall.error == brenmor::ProblemKind::None
                                  ? brenmor::LeastWeightNote(c)
                                  : "")
      .Add("leastCostNote", brenmor::LeastCostNote(c))
      .Add("wallMessage", c != nullptr ? c->MessageOf(brenmor::Group::Wall) : "")
      .Add("costMessage", c != nullptr ? c->MessageOf(brenmor::Group::Cost) : "")
      .Add("chart",
           brenmor::SvgOf(brenmor::DrawChart(brenmor::ChartOf(c), kChartWidth, kChartHeight),
                          palette))
      .Add("plot", plot(brenmor::WeightPlotOf(c)))
      .Add("costPlot", plot(brenmor::CostPlotOf(c)));
  AddChoices(fields, view);
}

// What the page must now show: each value's box and list (their fields
// named by the value's letter: Ptext, Pedited, PlistShown, Punit), the
// form's figures, the message and where the focus goes; and, when the
// calculation moved since the page last heard, the results beside the form.
const char* View(const brenmor::FormView& view) {
  static unsigned shown = 0;
  Fields fields;
  for (const Field field : brenmor::kFields) {
    const std::string letter(brenmor::Info(field).letter);
    const brenmor::ValueBox& box = view.Box(field);
    fields.Add(letter + "text", box.text)
        .Flag(letter + "edited", box.edited)
        .Flag(letter + "listShown", box.listShown)
        .Add(letter + "unit", std::to_string(box.unit));
  }
  fields.Add("fText", view.fText)
      .Add("dText", view.dText)
      .Add("lText", view.lText)
      .Add("message", view.message)
      .Add("focus", view.focus ? brenmor::Name(*view.focus) : "")
      .Flag("results", view.calculations != shown);
  if (view.calculations != shown) {
    AddResults(fields, view);
  } else {
    AddChoices(fields, view);
  }
  shown = view.calculations;
  return Answer(fields.Take());
}

bool OnList(int at, std::size_t size) { return at >= 0 && static_cast<std::size_t>(at) < size; }

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

std::string FigureTexts(Figure figure) {
  const brenmor::FigureInfo& info = brenmor::Info(figure);
  return Fields()
      .Add("name", info.name)
      .Add("caption", info.caption)
      .Add("captionWithUnit", brenmor::CaptionWithUnit(figure))
      .Add("unit", info.unit)
      .Add("help", info.help)
      .Add("pageId", info.pageId)
      .Flag("inPanel", info.place == brenmor::Place::Panel)
      .Take();
}

std::string WindowTexts() {
  const brenmor::FormTexts& t = brenmor::kFormTexts;
  std::vector<std::string_view> heads;
  std::vector<std::string_view> steps;
  for (const auto head : brenmor::kHeadKinds) heads.push_back(brenmor::Caption(head));
  for (const auto step : brenmor::kPlateSteps) steps.push_back(brenmor::Caption(step));
  std::vector<std::string_view> orientations;
  for (const auto o : brenmor::kOrientations) orientations.push_back(brenmor::Caption(o));
  return Fields()
      .Add("title", t.title)
      .Add("tagline", t.tagline)
      .Add("selectUnits", t.selectUnits)
      .Add("calculate", t.calculate)
      .Add("revision", t.revision)
      .Add("date", t.date)
      .Add("copyRecord", t.copyRecord)
      .Add("copyFailed", t.copyFailed)
      .Add("logo", t.logo)
      .Add("separator", t.separator)
      .Add("wallTitle", t.wallTitle)
      .Add("headKind", t.headKind)
      .Add("plateStep", t.plateStep)
      .Add("orientation", t.orientation)
      .Add("costIndex", t.costIndex)
      .Add("costIndexHelp", t.costIndexHelp)
      .AddList("heads", heads)
      .AddList("steps", steps)
      .AddList("orientations", orientations)
      .Take();
}

// A list's bytes come from the page's worker, a slice at a time: of the
// file chosen, read as the reader asks for it, or of the cells pasted.
// Fewer than asked for is the end; less than none, or more than asked for,
// a failure to read.
EM_JS(int, brenmor_page_read_list, (char* into, int size),
      { return Module["readList"](into, size); });

lists::ByteSource PageSource() {
  return [](char* into, std::size_t size) {
    const int count = brenmor_page_read_list(into, static_cast<int>(size));
    return count < 0 || static_cast<std::size_t>(count) > size
               ? lists::BytesRead{0, EIO}
               : lists::BytesRead{static_cast<std::size_t>(count), 0};
  };
}

// The list being sized.
std::optional<lists::ListRun>& Run() {
  static std::optional<lists::ListRun> run;
  return run;
}

// A cell as the page's table shows it: a list may hold any byte, and a
// control character shows as a space.
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
  std::string text = Escaped(line);
  text += '\x1C';
  for (const std::string& cell : cells) (text += Escaped(ShownCell(cell))) += '\x1C';
  return text += '\x1D';
}

std::string ShownRows(const std::vector<lists::ShownRow>& rows) {
  std::string text;
  for (const lists::ShownRow& row : rows) text += ShownRow(std::to_string(row.line), row.cells);
  return text;
}

// The table's head: the list's own columns as they are, the added ones by
// their short captions and units, and what each means for its tooltip.
std::string TableHead(const std::vector<std::string>& cells, bool titles) {
  const auto added = static_cast<std::ptrdiff_t>(brenmor::ResultColumns().size());
  std::vector<std::string> head(cells.begin(), cells.end() - added);
  for (const brenmor::ResultColumn& column : brenmor::ResultColumns()) {
    std::string title = brenmor::Caption(column);
    if (column.kind == brenmor::ColumnKind::Figure) {
      (title += ": ") += brenmor::Info(column.figure).help;
    }
    head.push_back(titles ? title : brenmor::ShortCaption(column));
  }
  return ShownRow(titles ? lists::kListTexts.lineHelp : lists::kListTexts.line, head);
}

// What each column of the table holds, which its style follows: the line,
// the list's own cells, a figure, the status or a message.
std::vector<std::string_view> ColumnKinds(std::size_t cells) {
  const std::size_t added = brenmor::ResultColumns().size();
  std::vector<std::string_view> kinds = {"line"};
  kinds.insert(kinds.end(), cells - added, "carried");
  for (const brenmor::ResultColumn& column : brenmor::ResultColumns()) {
    switch (column.kind) {
      case brenmor::ColumnKind::Figure:
        kinds.emplace_back("figure");
        break;
      case brenmor::ColumnKind::Status:
        kinds.emplace_back("status");
        break;
      case brenmor::ColumnKind::Message:
        kinds.emplace_back("message");
        break;
    }
  }
  return kinds;
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
      .Add("line", t.line)
      .Add("lineHelp", t.lineHelp)
      .Add("copyFailed", t.copyFailed)
      .Add("pastedNotShown", t.pastedNotShown)
      .Add("largestPasteShown", std::to_string(lists::kLargestPasteShown))
      .Take();
}

std::string At(std::string_view text) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(text.data()));
}

}  // namespace

extern "C" {

// The form: the window's texts, then P, C, S, E, V, then every figure.
EMSCRIPTEN_KEEPALIVE const char* brenmor_form() {
  std::string form = WindowTexts() + '\x1D';
  for (const Field field : brenmor::kFields) form += FieldTexts(field) + '\x1D';
  for (const Figure figure : brenmor::kFigures) form += FigureTexts(figure) + '\x1D';
  return Answer(std::move(form));
}

// The form's events, each answered with the view to draw.
EMSCRIPTEN_KEEPALIVE const char* brenmor_view() { return View(Form().View()); }

// The panel's choices as the form's model holds them, which a list is
// sized with.
EMSCRIPTEN_KEEPALIVE const char* brenmor_options() {
  Fields fields;
  AddChoices(fields, Form().View());
  return Answer(fields.Take());
}

// The panel, chart and curve of the view as it stands, for the page's
// first drawing of them.
EMSCRIPTEN_KEEPALIVE const char* brenmor_results() {
  Fields fields;
  AddResults(fields, Form().View());
  return Answer(fields.Take());
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_text_edited(int field, const char* text) {
  if (!OnList(field, brenmor::kFields.size())) return Refused("no such field");
  if (text == nullptr) return Refused("no text");
  return View(Form().TextEdited(static_cast<Field>(field), text));
}

// A unit off its list is the model's own refusal; a field off the form, or
// E, which has no list, is the page's mistake.
EMSCRIPTEN_KEEPALIVE const char* brenmor_unit_picked(int field, int unit, int listHadFocus) {
  if (!OnList(field, brenmor::kFields.size()) || static_cast<Field>(field) == Field::E) {
    return Refused("no such unit list");
  }
  return View(Form().UnitPicked(static_cast<Field>(field), unit, listHadFocus != 0));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_focus_left_e(int forAnotherControl) {
  return View(Form().FocusLeftE(forAnotherControl != 0));
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_calculate() { return View(Form().CalculatePressed()); }

EMSCRIPTEN_KEEPALIVE const char* brenmor_message_closed() { return View(Form().MessageClosed()); }

EMSCRIPTEN_KEEPALIVE const char* brenmor_copy_failed() { return View(Form().CopyFailed()); }

// A choice of the panel (0 heads, 1 plate step, 2 orientation) picked at
// a position of its list.
EMSCRIPTEN_KEEPALIVE const char* brenmor_option_picked(int option, int position) {
  const bool onItsList = (option == 0 && brenmor::HeadKindAt(position)) ||
                         (option == 1 && brenmor::PlateStepAt(position)) ||
                         (option == 2 && brenmor::OrientationAt(position));
  if (!onItsList) return Refused("no such head kind, plate step or orientation");
  return View(Form().OptionPicked(static_cast<brenmor::Option>(option), position));
}

// A cost index typed into the panel's box and entered.
EMSCRIPTEN_KEEPALIVE const char* brenmor_cost_index_entered(const char* text) {
  if (text == nullptr) return Refused("no text");
  return View(Form().CostIndexEntered(text));
}

// The record of the committed values with the panel's choices.
EMSCRIPTEN_KEEPALIVE const char* brenmor_record() {
  const std::string record = Form().Record();
  if (record.empty()) return Refused("the calculation record could not be made");
  return Answer(Fields().Add("record", record).Take());
}

EMSCRIPTEN_KEEPALIVE const char* brenmor_list_texts() { return Answer(ListSectionTexts()); }

// Opens a list with the page's options, each a position on its list, and
// its cost index: its header is read, and what the table's head shows comes
// back, or why the whole list cannot be sized.
EMSCRIPTEN_KEEPALIVE const char* brenmor_list_open(int delimiter, int decimalComma, int pasted,
                                                   int head, int step, int orientation,
                                                   double costIndex, const char* name) {
  const auto headKind = brenmor::HeadKindAt(head);
  const auto plateStep = brenmor::PlateStepAt(step);
  const auto standing = brenmor::OrientationAt(orientation);
  if (!OnList(delimiter, lists::kDelimiterChoices.size()) || !headKind || !plateStep || !standing ||
      !brenmor::IsPositive(costIndex)) {
    return Refused("no such delimiter, head kind, plate step, orientation or cost index");
  }
  if (name == nullptr) return Refused("no name");
  lists::RowOptions options;
  options.mark = decimalComma != 0 ? DecimalMark::Comma : DecimalMark::Point;
  options.design.head = *headKind;
  options.design.step = *plateStep;
  options.design.orientation = *standing;
  options.design.costIndex = costIndex;
  const auto choice = lists::kDelimiterChoices[static_cast<std::size_t>(delimiter)];
  const std::optional<char> read = lists::DelimiterOf(choice, options.mark, pasted != 0);
  Run().reset();
  std::string problem(lists::kListTexts.commaWithDecimalComma);
  if (read) {
    options.delimiter = *read;
    Run().emplace(PageSource(), options);
    problem = Run()->Problem() ? lists::CannotSizeText(Run()->Problem()) : "";
  }
  return Answer(Fields()
                    .Add("problem", problem)
                    .Add("taken", problem.empty() ? lists::ColumnsText(Run()->ColumnsTaken()) : "")
                    .Add("header", problem.empty() ? TableHead(Run()->HeaderCells(), false) : "")
                    .Add("titles", problem.empty() ? TableHead(Run()->HeaderCells(), true) : "")
                    .AddList("columns", problem.empty() ? ColumnKinds(Run()->HeaderCells().size())
                                                        : std::vector<std::string_view>())
                    .Add("stopped", lists::StoppedText({}))
                    .Add("sizedName", lists::SizedName(name))
                    .Take());
}

// Sizes the next batch of the list opened: how far it has come,
// what it says so far, the rows the table shows, and where this batch's
// output lies, as brenmor-size writes it (csv) and tab-separated (tsv).
EMSCRIPTEN_KEEPALIVE const char* brenmor_list_next() {
  if (!Run() || Run()->Problem()) return Refused("no list is open");
  lists::ListRun& run = *Run();
  const bool more = run.Next(lists::ListRun::kBatchRows);
  lists::ListProblem failure;
  if (run.ReadError() != 0) {
    failure.kind = lists::ListProblemKind::ReadFailed;
    failure.error = run.ReadError();
  }
  return Answer(Fields()
                    .Flag("more", more)
                    .Add("failure", failure ? lists::CannotSizeText(failure) : "")
                    .Add("summary", lists::CountsText(run.Counts()))
                    .Add("hint", lists::CommaDecimalText(run.Counts()))
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

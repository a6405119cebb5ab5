#include "brenmor/form/form_model.h"

#include "brenmor/presentation/record.h"

namespace brenmor {
namespace {

// A value's unit list, and the control after it in the tab order, which
// takes the focus when the list hides with it.
Control ListOf(Field field) {
  switch (field) {
    case Field::P:
      return Control::cmbPU;
    case Field::C:
      return Control::cmbCU;
    case Field::S:
      return Control::cmbSU;
    case Field::E:
      break;
    case Field::V:
      return Control::cmbVU;
  }
  return Control::txtE;
}

Control After(Control control) { return static_cast<Control>(static_cast<int>(control) + 1); }

}  // namespace

std::string_view Name(Control control) {
  static constexpr std::array<std::string_view, 13> kNames = {
      "txtP", "cmbPU",   "txtC", "cmbCU", "txtS", "cmbSU", "txtE",
      "txtF", "cmdCalc", "txtV", "cmbVU", "txtD", "txtL"};
  return kNames[static_cast<std::size_t>(control)];
}

FormModel::FormModel() {
  view_.costIndexText = FormatValue(view_.options.costIndex);
  state_.LoadDefaults();
  for (const Field field : kFields) Box(field).text = Info(field).defaultText;
}

// A message and a focus are said once, by the event that causes them.
void FormModel::Begin() {
  view_.message.clear();
  view_.focus.reset();
}

const FormView& FormModel::TextEdited(Field field, std::string_view text) {
  Begin();
  Edit(field, text);
  return view_;
}

// An edited value is not committed yet: its list offers its units.
void FormModel::Edit(Field field, std::string_view text) {
  ValueBox& box = Box(field);
  box.text = text;
  box.edited = true;
  if (field == Field::E) return;
  box.listShown = true;
  box.unit = -1;
}

const FormView& FormModel::UnitPicked(Field field, int unit, bool listHadFocus) {
  Begin();
  const UnitCommit commit = state_.CommitWithUnit(field, unit, Box(field).text);
  if (commit.error != ProblemKind::None) {
    // Keep the typed text and the list, so the user can correct either.
    Box(field).unit = -1;
    Show(Message({commit.error, field}), ListOf(field));
    return view_;
  }
  Box(field).text = commit.writtenBack;
  Box(field).listShown = false;
  Box(field).unit = unit;
  if (listHadFocus) view_.focus = After(ListOf(field));
  if (commit.fText) view_.fText = *commit.fText;
  return view_;
}

const FormView& FormModel::FocusLeftE(bool forAnotherControl) {
  Begin();
  if (!forAnotherControl) return view_;
  const ECommit commit = state_.CommitE(Box(Field::E).text);
  if (commit.error != ProblemKind::None) {
    Show(Message({commit.error, Field::E}), Control::txtE);
    clearEAfterMessage_ = true;
  }
  if (commit.fText) view_.fText = *commit.fText;
  return view_;
}

const FormView& FormModel::CalculatePressed() {
  Begin();
  const Calculation& c = view_.calculation.emplace(state_.Calculate(view_.options));
  ++view_.calculations;
  view_.fText = c.Text(Figure::F);
  view_.dText = c.Text(Figure::D);
  view_.lText = c.Text(Figure::L);
  if (c.problem) Show(Message(c.problem), Control::cmdCalc);
  return view_;
}

const FormView& FormModel::OptionPicked(Option option, int position) {
  Begin();
  DesignOptions& options = view_.options;
  const DesignOptions before = options;
  switch (option) {
    case Option::Head:
      options.head = HeadKindAt(position).value_or(options.head);
      break;
    case Option::PlateStep:
      options.step = PlateStepAt(position).value_or(options.step);
      break;
    case Option::Orientation:
      options.orientation = OrientationAt(position).value_or(options.orientation);
      break;
  }
  if (options != before) Recalculate();
  return view_;
}

const FormView& FormModel::CostIndexEntered(std::string_view text) {
  Begin();
  const std::string_view trimmed = TrimBlanks(text);
  const NumberRead number = ReadNumber(trimmed);
  if (number.length != trimmed.size() || !IsPositive(number.value)) {
    view_.costIndexText = FormatValue(view_.options.costIndex);
    Show(Message(ProblemKind::CostIndexNotPositive), std::nullopt);
    return view_;
  }
  view_.costIndexText = trimmed;
  if (number.value == view_.options.costIndex) return view_;
  view_.options.costIndex = number.value;
  Recalculate();
  return view_;
}

// The same design as last calculated, with the new choices: the committed
// values may have moved since.
void FormModel::Recalculate() {
  if (!view_.calculation) return;
  view_.calculation = Calculate(InBaseUnits(view_.calculation->Values()), view_.options);
  ++view_.calculations;
}

std::string FormModel::Record() const {
  return CalculationRecord(Calculate(InBaseUnits(state_.Values()), view_.options));
}

const FormView& FormModel::MessageClosed() {
  Begin();
  // A refused E is cleared for typing again, and it counts as an edit.
  if (clearEAfterMessage_) Edit(Field::E, "");
  clearEAfterMessage_ = false;
  view_.focus = focusAfterMessage_;
  focusAfterMessage_.reset();
  return view_;
}

const FormView& FormModel::CopyFailed() {
  Begin();
  Show(kFormTexts.copyFailed, std::nullopt);
  return view_;
}

const FormView& FormModel::ChartNotSaved(std::string_view path, std::string_view reason) {
  Begin();
  Show(std::string(kFormTexts.chartNotSaved) + std::string(path) + ": " + std::string(reason),
       std::nullopt);
  return view_;
}

void FormModel::Show(std::string_view message, std::optional<Control> focusAfter) {
  view_.message = message;
  focusAfterMessage_ = focusAfter;
}

}  // namespace brenmor

// The window's form as a model: what each event of its controls does to
// every control, with no toolkit in it. The window and the page forward
// their events here and draw the FormView that comes back, so that the
// form's rules are written once.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "brenmor/form/design_state.h"
#include "brenmor/form/form_texts.h"

namespace brenmor {

// The form's controls that take the focus, in its tab order.
enum class Control {
  txtP,
  cmbPU,
  txtC,
  cmbCU,
  txtS,
  cmbSU,
  txtE,
  txtF,
  cmdCalc,
  txtV,
  cmbVU,
  txtD,
  txtL,
};

// The control's name, which the window's objects and the page's elements
// carry: "txtP", "cmbPU", ….
std::string_view Name(Control control);

// The choices of the panel beside the chart, each a list.
enum class Option { Head, PlateStep, Orientation };

// A value's box and its unit list.
struct ValueBox {
  std::string text;
  bool edited = false;     // typed in since the form loaded: drawn in the edited colour
  bool listShown = false;  // the unit list (E has none)
  int unit = -1;           // the unit the list shows picked; -1 asks for one
};

struct FormView {
  std::array<ValueBox, 5> boxes;  // by Field
  std::string fText;
  std::string dText;
  std::string lText;
  // A message to show now, modal; MessageClosed() follows its closing.
  std::string message;
  // Where the focus goes now, or once the message is closed.
  std::optional<Control> focus;
  // The panel's choices, which every Calculate and the record take, and
  // its cost index box.
  DesignOptions options;
  std::string costIndexText;
  // The last Calculate, worked out again when a choice changes, which the
  // panel, the chart and the weight plot show; nothing before the first.
  std::optional<Calculation> calculation;
  // Counts each change of `calculation`: a view draws the panel and the
  // plots again only when it moved, not on every keystroke.
  unsigned calculations = 0;

  const ValueBox& Box(Field field) const { return boxes[static_cast<std::size_t>(field)]; }
};

class FormModel {
 public:
  // The form as it loads: the default values, committed.
  FormModel();

  const FormView& View() const { return view_; }
  const DesignState& State() const { return state_; }

  // Text typed or pasted into a value's box.
  const FormView& TextEdited(Field field, std::string_view text);
  // A unit picked from a value's list, which had the focus or not.
  const FormView& UnitPicked(Field field, int unit, bool listHadFocus);
  // The focus left the E box: for another control, or for another window,
  // which commits nothing.
  const FormView& FocusLeftE(bool forAnotherControl);
  // Calculate pressed, or its mnemonic used once the button took the focus.
  const FormView& CalculatePressed();
  const FormView& MessageClosed();
  // A choice of the panel picked, by its position on its list; a position
  // off the list changes nothing.
  const FormView& OptionPicked(Option option, int position);
  // A cost index typed into the panel's box and entered (its box left, or
  // Return): a number above 0 is taken; anything else is refused with its
  // message, and the box shows the index in force again.
  const FormView& CostIndexEntered(std::string_view text);
  // The clipboard refused the calculation record.
  const FormView& CopyFailed();
  // The chart could not be saved as `path`, for the system's `reason`.
  const FormView& ChartNotSaved(std::string_view path, std::string_view reason);

  // The calculation record of the committed design with the panel's
  // choices, as the background menu copies it.
  std::string Record() const;

 private:
  ValueBox& Box(Field field) { return view_.boxes[static_cast<std::size_t>(field)]; }
  void Edit(Field field, std::string_view text);
  void Show(std::string_view message, std::optional<Control> focusAfter);
  void Begin();
  void Recalculate();

  DesignState state_;
  FormView view_;
  std::optional<Control> focusAfterMessage_;
  bool clearEAfterMessage_ = false;
};

}  // namespace brenmor

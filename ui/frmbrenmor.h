// frmBrenmor, the program's one window, as a view of the form's model.
//
// Every rule of the form is the FormModel's: each handler, named after the
// control and event it serves (txtP_Change, cmbPU_Click, txtE_LostFocus,
// cmdCalc_Click), forwards its event to the model and draws the FormView
// that comes back. The window keeps what Qt alone can do: its controls,
// their geometry, captions and colours, the focus, the message box and the
// clipboard. The event filter turns Qt's focus and shortcut events into the
// events the model expects: txtE's focus-out, and a Calculate button that
// takes the focus before it is pressed. The background menu copies the
// calculation record and opens the chart window, which follows each
// Calculate.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "brenmor/form/form_model.h"

class ChartWindow;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class frmBrenmor : public QWidget {
  Q_OBJECT

 public:
  explicit frmBrenmor(QWidget* parent = nullptr);

  // The committed design, for those who need to look behind the boxes.
  const brenmor::DesignState& designState() const { return form_.State(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // A value's box and the list of units it may be typed in.
  struct UnitRow {
    brenmor::Field field;
    QLineEdit* box;
    QComboBox* list;
  };

  void Form_Load();
  void txtValue_Change(brenmor::Field field);
  void txtE_Change();
  void cmbUnits_Click(brenmor::Field field, int index);
  void txtE_LostFocus();
  void cmdCalc_Click();
  void cmbOption_Click(brenmor::Option option, int position);
  void txtCostIndex_LostFocus(const QString& text);
  void mnuCopyRecord_Click();
  void mnuShowChart_Click();

  void createInputRows();
  void createOutputRows();
  void createFooter();
  void describeControls();
  void arrangeTabOrder();
  void connectHandlers();
  const UnitRow& unitRow(brenmor::Field field) const;
  void render(const brenmor::FormView& view);
  std::array<QWidget*, 13> controls() const;
  QWidget* control(brenmor::Control control) const;
  bool pressCalculateWithFocus();
  void showMessage(std::string_view text);
  void showIcon();

  brenmor::FormModel form_;
  std::array<UnitRow, 4> unitRows_{};
  ChartWindow* chart_ = nullptr;
  QTimer iconTimer_;
  bool iconPending_ = true;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label10;
  QLineEdit* txtP;
  QLineEdit* txtC;
  QLineEdit* txtS;
  QLineEdit* txtE;
  QLineEdit* txtV;
  QLineEdit* txtF;
  QLineEdit* txtD;
  QLineEdit* txtL;
  QComboBox* cmbPU;
  QComboBox* cmbCU;
  QComboBox* cmbSU;
  QComboBox* cmbVU;
  QPushButton* cmdCalc;
  QFrame* Line1;
  QLabel* Image1;
};

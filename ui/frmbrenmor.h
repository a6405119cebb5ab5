// frmBrenmor, the program's one window.
//
// The window holds no arithmetic and no number rules: each handler reads its
// controls, calls one operation of the DesignState it owns and writes the
// texts that come back into the boxes. Geometry, captions and colours are set
// up in the constructor; the handlers are named after the control and event
// they serve (txtP_Change, cmbPU_Click, txtE_LostFocus, cmdCalc_Click). The
// event filter turns Qt's focus and shortcut events into the events those
// handlers expect: txtE's focus-out, and a Calculate button that takes the
// focus before it is pressed. The background menu also opens the chart
// window, which follows each Calculate. The four value boxes with a unit list share
// one pair of handlers, as a control array would. The window's background has a menu that copies
// the calculation record of the committed design.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "brenmor/design_state.h"

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
  const brenmor::DesignState& designState() const { return state_; }

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
  void mnuCopyRecord_Click();
  void mnuShowChart_Click();

  void createInputRows();
  void createOutputRows();
  void createFooter();
  void describeControls();
  void arrangeTabOrder();
  void connectHandlers();
  const UnitRow& unitRow(brenmor::Field field) const;
  void showFText(const std::optional<std::string>& fText);
  bool pressCalculateWithFocus();
  void showMessage(std::string_view text);
  void showIcon();

  brenmor::DesignState state_;
  std::array<UnitRow, 4> unitRows_{};
  // The design as the last Calculate took it, which the chart shows.
  std::optional<brenmor::DesignValues> calculated_;
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

// The window driven as a user drives it: real key and mouse input on a fresh
// window per test, colours read back from rendered pixels.
#include "frmbrenmor.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <clocale>
#include <memory>

#include "brenmor/presentation/record.h"
#include "brenmor/presentation/svg.h"
#include "chartwindow.h"
#include "window_driver.h"

namespace {

QColor Rgb(int r, int g, int b) { return {r, g, b}; }

// How many of the widget's rendered pixels have this colour, give or take
// the blending of antialiased text edges.
int PixelsOf(QWidget* widget, const QColor& colour) {
  constexpr int kTolerance = 64;
  const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const auto near = [&](QRgb p) {
    const int dr = qRed(p) - colour.red();
    const int dg = qGreen(p) - colour.green();
    const int db = qBlue(p) - colour.blue();
    return dr * dr + dg * dg + db * db <= kTolerance * kTolerance;
  };
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    count += static_cast<int>(std::count_if(line, line + image.width(), near));
  }
  return count;
}

// brenmor-size --json --explain for the same design and options.
QJsonObject BrenmorSize(const QStringList& args) {
  QProcess run;
  run.start(QStringLiteral(BRENMOR_SIZE), QStringList{"--json", "--explain"} + args);
  if (!run.waitForFinished() || run.exitCode() != 0) return {};
  return QJsonDocument::fromJson(run.readAllStandardOutput()).object();
}

// The tool tip on screen, if one is.
QWidget* ShownTip() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "qtooltip_label" && widget->isVisible()) return widget;
  }
  return nullptr;
}

}  // namespace

class FrmBrenmorTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void opensWithDefaultsRedAndListsHidden();
  void layoutLandsOnItsPixels_data();
  void layoutLandsOnItsPixels();
  void captionsFitTheirRectangles();
  void tabOrderSkipsHiddenLists_data();
  void tabOrderSkipsHiddenLists();
  void roadOfOneCalculation();
  void calculateUsesCommittedValuesOnly();
  void volumePickLeavesFAlone();
  void writtenBackTextEqualToTypedRaisesNoChange();
  void sameUnitCanBePickedAgain();
  void textTypedIntoAListCommitsNothing();
  void eCheckOnLeavingTheBox_data();
  void eCheckOnLeavingTheBox();
  void emptiedEBoxCommitsZeroWhenLeft();
  void calculateCommitsEFirst_data();
  void calculateCommitsEFirst();
  void rejectionDuringPressLeavesButtonUp();
  void otherWindowOrMenuDoesNotCheckE();
  void refusedCommitKeepsTextAndList();
  void refusedCalculationLeavesNoStaleSize_data();
  void refusedCalculationLeavesNoStaleSize();
  void coloursAsRendered();
  void screenReaderNamesEveryControl_data();
  void screenReaderNamesEveryControl();
  void messageBoxIsRead();
  void wholeJobFromTheKeyboard();
  void inputsAndOutputsExplainThemselves();
  void tipsWrapWithinTheWindow();
  void wheelPicksOnlyInAFocusedList();
  void logoAndIconAreDrawn();
  void backgroundMenuCopiesTheRecord_data();
  void backgroundMenuCopiesTheRecord();
  void chartFollowsEachCalculate_data();
  void chartFollowsEachCalculate();
  void wallAndWeightFollowEachCalculate_data();
  void wallAndWeightFollowEachCalculate();
  void chartSaveSaysWhyNot();
  void recordIsBrenmorSizes_data();
  void recordIsBrenmorSizes();
  void savedChartIsThePagesPicture();
  void showsEveryFigureOfTheTable();
  void panelChoicesAreBrenmorSizes();
  void scaledWindowDrawsEveryControlScaled();
  void writtenBackValueCommitsBackToItself();

 private:
  template <class T>
  T* child(const char* name) const {
    return ui_->driver.child<T>(name);
  }
  QLineEdit* box(const char* name) const { return ui_->driver.box(name); }
  QComboBox* list(const char* name) const { return ui_->driver.list(name); }
  static QWidget* focused() { return WindowDriver::focused(); }
  void typeInto(QLineEdit* box, const QString& text);
  void pickUnit(QComboBox* list, int row);
  void tab() const { ui_->driver.tab(); }
  void pressCalculate() const { ui_->driver.pressCalculate(); }
  QStringList messages() { return ui_->watchdog.takeTexts(); }
  QMenu* openTheFormsMenu();
  ChartWindow* openChartFromTheMenu();
  QString copyRecordFromTheMenu();

  std::unique_ptr<WindowUnderTest> ui_;
};

void FrmBrenmorTest::init() {
  ui_ = std::make_unique<WindowUnderTest>();
  QVERIFY(ui_->open());
}

void FrmBrenmorTest::cleanup() {
  const QStringList unexpected = messages();
  ui_.reset();
  QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected message: " + unexpected.join(" | ")));
}

// The driver's input, with the checks that it reached the control.
void FrmBrenmorTest::typeInto(QLineEdit* box, const QString& text) {
  ui_->driver.typeInto(box, text);
  QCOMPARE(box->text(), text);
}

void FrmBrenmorTest::pickUnit(QComboBox* list, int row) {
  QVERIFY(list->isVisible());
  WindowDriver::pickUnit(list, row);
  QTRY_VERIFY(!list->view()->isVisible());
}

void FrmBrenmorTest::opensWithDefaultsRedAndListsHidden() {
  QCOMPARE(ui_->window.windowTitle(), QString("Brenmor"));
  QCOMPARE(ui_->window.size(), QSize(367, 241));
  QCOMPARE(ui_->window.minimumSize(), ui_->window.maximumSize());
  for (const char* name : {"txtF", "txtD", "txtL"}) {
    QVERIFY2(box(name)->text().isEmpty(), name);
    QVERIFY2(box(name)->isReadOnly(), name);
  }
  for (const char* name : {"cmbPU", "cmbCU", "cmbSU", "cmbVU"}) {
    QVERIFY2(list(name)->isHidden(), name);
    QVERIFY2(list(name)->currentText().isEmpty(), name);
  }
  QCOMPARE(box("txtP")->text(), QString("100"));
  QCOMPARE(box("txtC")->text(), QString("0.0625"));
  QCOMPARE(box("txtS")->text(), QString("16000"));
  QCOMPARE(box("txtE")->text(), QString("0.8"));
  QCOMPARE(box("txtV")->text(), QString("1000"));
  QCOMPARE(focused(), box("txtP"));

  const brenmor::DesignValues& design = ui_->window.designState().Values();
  QCOMPARE(design.P, 100.0);
  QCOMPARE(design.C, 0.0625);
  QCOMPARE(design.S, 16000.0);
  QCOMPARE(design.E, 0.8);
  QCOMPARE(design.V, 1000.0);
  QCOMPARE(design.F, 0.0);
}

void FrmBrenmorTest::layoutLandsOnItsPixels_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("pixels");
  const auto row = [](const char* name, int l, int t, int w, int h) {
    QTest::newRow(name) << QString(name) << QRect(l / 15, t / 15, w / 15, h / 15);
  };
  row("Label6", 240, 120, 2295, 255);
  row("txtV", 2640, 120, 975, 285);
  row("cmbVU", 3720, 120, 1575, 315);
  row("Label1", 240, 480, 2295, 255);
  row("txtP", 2640, 480, 975, 285);
  row("cmbPU", 3720, 480, 1575, 315);
  row("Label2", 240, 840, 2295, 255);
  row("txtC", 2640, 840, 975, 285);
  row("cmbCU", 3720, 840, 1575, 315);
  row("Label4", 240, 1200, 2295, 255);
  row("txtS", 2640, 1200, 975, 285);
  row("cmbSU", 3720, 1200, 1575, 315);
  row("Label3", 240, 1560, 2295, 255);
  row("txtE", 2640, 1560, 975, 285);
  row("Line1", 120, 1920, 5175, 15);
  row("Label5", 240, 2160, 2295, 255);
  row("txtF", 2640, 2160, 975, 285);
  row("Label7", 240, 2520, 2295, 255);
  row("txtD", 2640, 2520, 975, 285);
  row("cmdCalc", 3720, 2760, 1575, 375);
  row("Label8", 240, 2880, 2295, 255);
  row("txtL", 2640, 2880, 975, 285);
  row("Image1", 240, 3240, 540, 255);
  row("Label9", 960, 3240, 1575, 255);
  row("Label10", 2640, 3240, 1095, 255);
}

void FrmBrenmorTest::layoutLandsOnItsPixels() {
  QFETCH(QString, name);
  QFETCH(QRect, pixels);
  QCOMPARE(child<QWidget>(qPrintable(name))->geometry(), pixels);
}

void FrmBrenmorTest::captionsFitTheirRectangles() {
  QCOMPARE(QFontInfo(ui_->window.font()).family(), QString("Liberation Sans"));
  for (QLabel* label : ui_->window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const QFontMetricsF metrics(label->font());
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
             qPrintable(label->objectName() + " is clipped: " + label->text()));
    QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
  }
  // A line edit keeps a 2 pixel margin either side of its text.
  const auto fits = [](QLineEdit* edit) {
    return QFontMetricsF(edit->font()).horizontalAdvance(edit->text()) <=
           edit->contentsRect().width() - 4;
  };
  for (const char* name : {"txtP", "txtC", "txtS", "txtE", "txtV"}) QVERIFY2(fits(box(name)), name);
  auto* button = child<QPushButton>("cmdCalc");
  QVERIFY(QFontMetricsF(button->font()).horizontalAdvance("Calculate") < button->width() - 8);

  typeInto(box("txtP"), "1");
  QCOMPARE(list("cmbPU")->currentText(), QString("<< Select Units >>"));
  QVERIFY2(fits(list("cmbPU")->lineEdit()), "<< Select Units >> is clipped");
}

void FrmBrenmorTest::tabOrderSkipsHiddenLists_data() {
  QTest::addColumn<bool>("listsShown");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("lists hidden") << false << QStringList{"txtC", "txtS", "txtE", "txtF", "cmdCalc",
                                                        "txtV", "txtD", "txtL", "txtP"};
  QTest::newRow("lists shown") << true << QStringList{"cmbPU", "txtC", "cmbCU",   "txtS", "cmbSU",
                                                      "txtE",  "txtF", "cmdCalc", "txtV", "cmbVU",
                                                      "txtD",  "txtL", "txtP"};
}

void FrmBrenmorTest::tabOrderSkipsHiddenLists() {
  QFETCH(bool, listsShown);
  QFETCH(QStringList, order);
  if (listsShown) {
    for (const char* name : {"txtV", "txtC", "txtS", "txtP"}) typeInto(box(name), "5");
  }
  QCOMPARE(focused(), box("txtP"));
  QStringList visited;
  for (qsizetype i = 0; i < order.size(); ++i) {
    tab();
    visited << focused()->objectName();
  }
  QCOMPARE(visited, order);
}

void FrmBrenmorTest::roadOfOneCalculation() {
  typeInto(box("txtP"), "10");
  QVERIFY(list("cmbPU")->isVisible());
  QCOMPARE(list("cmbPU")->currentText(), QString("<< Select Units >>"));
  pickUnit(list("cmbPU"), 1);
  QCOMPARE(box("txtP")->text(), QString("145.038"));
  QVERIFY(list("cmbPU")->isHidden());
  QCOMPARE(box("txtF")->text(), QString("0.181"));

  pressCalculate();
  QCOMPARE(box("txtF")->text(), QString("0.181"));
  QCOMPARE(box("txtD")->text(), QString("1562"));
  QCOMPARE(box("txtL")->text(), QString("14782"));
}

void FrmBrenmorTest::calculateUsesCommittedValuesOnly() {
  typeInto(box("txtP"), "500");
  pressCalculate();
  QCOMPARE(box("txtF")->text(), QString("0.125"));
  QCOMPARE(box("txtD")->text(), QString("1703"));
  QCOMPARE(box("txtL")->text(), QString("12446"));
  QVERIFY2(list("cmbPU")->isVisible(), "the edit is still waiting for its unit");
  QCOMPARE(box("txtP")->text(), QString("500"));
}

void FrmBrenmorTest::volumePickLeavesFAlone() {
  QSignalSpy fChanges(box("txtF"), &QLineEdit::textChanged);
  typeInto(box("txtV"), "20");
  pickUnit(list("cmbVU"), 1);
  QCOMPARE(box("txtV")->text(), QString("705.751"));
  QVERIFY(list("cmbVU")->isHidden());
  QCOMPARE(fChanges.count(), 0);
  QCOMPARE(ui_->window.designState().Values().V, 20 * std::pow(3.28, 3));
}

void FrmBrenmorTest::writtenBackTextEqualToTypedRaisesNoChange() {
  typeInto(box("txtP"), "100");
  QSignalSpy changes(box("txtP"), &QLineEdit::textChanged);
  pickUnit(list("cmbPU"), 0);
  QCOMPARE(changes.count(), 0);
  QVERIFY(list("cmbPU")->isHidden());
  QCOMPARE(list("cmbPU")->currentText(), QString("psi"));
  QCOMPARE(box("txtF")->text(), QString("0.125"));

  typeInto(box("txtP"), "7");
  QCOMPARE(list("cmbPU")->currentText(), QString("<< Select Units >>"));
}

void FrmBrenmorTest::sameUnitCanBePickedAgain() {
  typeInto(box("txtP"), "10");
  pickUnit(list("cmbPU"), 1);
  QCOMPARE(box("txtP")->text(), QString("145.038"));

  typeInto(box("txtP"), "20");
  QCOMPARE(list("cmbPU")->currentIndex(), -1);
  // A closed list picks from the keyboard too: Down takes the first unit.
  tab();
  QCOMPARE(focused(), list("cmbPU"));
  QTest::keyClick(list("cmbPU"), Qt::Key_Down);
  QCOMPARE(box("txtP")->text(), QString("20"));
  QCOMPARE(ui_->window.designState().Values().P, 20.0);
  QVERIFY(list("cmbPU")->isHidden());

  typeInto(box("txtP"), "10");
  pickUnit(list("cmbPU"), 1);
  QCOMPARE(box("txtP")->text(), QString("145.038"));
}

void FrmBrenmorTest::textTypedIntoAListCommitsNothing() {
  typeInto(box("txtP"), "10");
  tab();
  QCOMPARE(focused(), list("cmbPU"));
  QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(focused(), "bar");
  QTest::keyClick(focused(), Qt::Key_Return);
  tab();
  QCOMPARE(ui_->window.designState().Values().P, 100.0);
  QCOMPARE(box("txtP")->text(), QString("10"));
  QVERIFY(list("cmbPU")->isVisible());
  QCOMPARE(list("cmbPU")->count(), 3);
  QCOMPARE(box("txtF")->text(), QString());
}

void FrmBrenmorTest::eCheckOnLeavingTheBox_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QString>("fText");
  QTest::addColumn<double>("committed");
  const QStringList refusal{"E must be less than 1"};
  QTest::newRow("1.5 then Tab is refused")
      << "1.5" << int(Qt::Key_Tab) << refusal << "0.125" << 0.8;
  QTest::newRow("1.5 then Shift+Tab is refused")
      << "1.5" << int(Qt::Key_Backtab) << refusal << "0.125" << 0.8;
  QTest::newRow("exactly 1 is taken") << "1" << int(Qt::Key_Tab) << QStringList() << "0.1" << 1.0;
  QTest::newRow("empty commits 0, F unchanged")
      << "" << int(Qt::Key_Tab) << QStringList() << "" << 0.0;
  QTest::newRow("1E400 is out of range")
      << "1E400" << int(Qt::Key_Tab) << QStringList{"Joint efficiency is out of range"} << "0.125"
      << 0.8;
}

void FrmBrenmorTest::eCheckOnLeavingTheBox() {
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(QStringList, shown);
  QFETCH(QString, fText);
  QFETCH(double, committed);
  typeInto(box("txtE"), typed);
  QTest::keyClick(box("txtE"), Qt::Key(key));

  const QList<ShownMessage> boxes = ui_->watchdog.take();
  QCOMPARE(boxes.size(), shown.size());
  if (!shown.isEmpty()) {
    QCOMPARE(boxes.front().text, shown.front());
    QCOMPARE(boxes.front().title, QString("Brenmor"));
    QCOMPARE(boxes.front().icon, QMessageBox::Information);
    QCOMPARE(boxes.front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box("txtE")->text(), QString());
    QTRY_COMPARE(focused(), box("txtE"));
  }
  QCOMPARE(ui_->window.designState().Values().E, committed);
  QCOMPARE(box("txtF")->text(), fText);
}

// Leaving a box whose text was not edited is still leaving it.
void FrmBrenmorTest::emptiedEBoxCommitsZeroWhenLeft() {
  typeInto(box("txtE"), "1.5");
  tab();
  QCOMPARE(messages(), QStringList{"E must be less than 1"});
  QTRY_COMPARE(focused(), box("txtE"));
  tab();
  QCOMPARE(focused(), box("txtF"));
  QCOMPARE(ui_->window.designState().Values().E, 0.0);
  QCOMPARE(box("txtF")->text(), QString("0.125"));
}

void FrmBrenmorTest::calculateCommitsEFirst_data() {
  QTest::addColumn<bool>("byMnemonic");
  QTest::newRow("mouse") << false;
  QTest::newRow("Alt+C") << true;
}

void FrmBrenmorTest::calculateCommitsEFirst() {
  QFETCH(bool, byMnemonic);
  const auto calculate = [&] {
    if (byMnemonic) {
      ui_->driver.altC();
    } else {
      pressCalculate();
    }
  };

  typeInto(box("txtE"), "0.5");
  calculate();
  QCOMPARE(focused(), child<QWidget>("cmdCalc"));
  QCOMPARE(ui_->window.designState().Values().E, 0.5);
  QCOMPARE(box("txtF")->text(), QString("0.2"));
  QCOMPARE(box("txtD")->text(), QString("1516"));

  typeInto(box("txtE"), "1.5");
  calculate();
  QCOMPARE(messages(), QStringList{"E must be less than 1"});
  QTRY_COMPARE(focused(), box("txtE"));
  QCOMPARE(box("txtE")->text(), QString());
  QCOMPARE(ui_->window.designState().Values().E, 0.5);
  // No calculation ran for that press.
  QCOMPARE(box("txtD")->text(), QString("1516"));
}

void FrmBrenmorTest::rejectionDuringPressLeavesButtonUp() {
  auto* button = child<QPushButton>("cmdCalc");
  QSignalSpy clicks(button, &QPushButton::clicked);
  typeInto(box("txtE"), "1.5");
  QTest::mousePress(button, Qt::LeftButton);
  QCOMPARE(messages(), QStringList{"E must be less than 1"});
  QVERIFY(!button->isDown());
  QTest::mouseRelease(button, Qt::LeftButton);
  QVERIFY(!button->isDown());
  QCOMPARE(clicks.count(), 0);
  QCOMPARE(box("txtD")->text(), QString());
  QCOMPARE(box("txtE")->text(), QString());
  QTRY_COMPARE(focused(), box("txtE"));

  // The next press is a press again: it commits the emptied E, which cannot
  // be sized from.
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(messages(), QStringList{"The correlation needs a joint efficiency above 0"});
}

void FrmBrenmorTest::otherWindowOrMenuDoesNotCheckE() {
  typeInto(box("txtE"), "1.5");
  QWidget other;
  other.resize(100, 100);
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  ui_->window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&ui_->window));
  QCOMPARE(messages(), QStringList());
  QCOMPARE(focused(), box("txtE"));

  const QPoint inside(5, 5);
  QContextMenuEvent menuRequest(QContextMenuEvent::Keyboard, inside,
                                box("txtE")->mapToGlobal(inside));
  QApplication::sendEvent(box("txtE"), &menuRequest);
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
  QCOMPARE(messages(), QStringList());
  QCOMPARE(box("txtE")->text(), QString("1.5"));
  QCOMPARE(ui_->window.designState().Values().E, 0.8);
}

void FrmBrenmorTest::refusedCommitKeepsTextAndList() {
  typeInto(box("txtP"), "1E400");
  pickUnit(list("cmbPU"), 0);
  QCOMPARE(messages(), QStringList{"Design pressure is out of range"});
  QCOMPARE(box("txtP")->text(), QString("1E400"));
  QVERIFY(list("cmbPU")->isVisible());
  QCOMPARE(list("cmbPU")->currentText(), QString("<< Select Units >>"));
  QCOMPARE(ui_->window.designState().Values().P, 100.0);

  typeInto(box("txtS"), "1E308");
  pickUnit(list("cmbSU"), 1);
  QCOMPARE(messages(), QStringList{"Stress value is out of range"});
  QCOMPARE(ui_->window.designState().Values().S, 16000.0);
}

void FrmBrenmorTest::refusedCalculationLeavesNoStaleSize_data() {
  QTest::addColumn<QString>("boxName");
  QTest::addColumn<QString>("listName");  // none for E, committed when its box is left
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("fText");
  QTest::newRow("C 0 in: F cannot be formed")
      << "txtC"
      << "cmbCU"
      << "0"
      << "The correlation needs a corrosion allowance above 0"
      << "";
  QTest::newRow("S abc psi: F cannot be formed") << "txtS"
                                                 << "cmbSU"
                                                 << "abc"
                                                 << "The correlation needs a stress value above 0"
                                                 << "";
  QTest::newRow("E empty: F cannot be formed") << "txtE"
                                               << ""
                                               << ""
                                               << "The correlation needs a joint efficiency above 0"
                                               << "";
  QTest::newRow("E -0.5: a negative F is shown")
      << "txtE"
      << ""
      << "-0.5"
      << "The correlation needs a joint efficiency above 0"
      << "-0.2";
  QTest::newRow("P 4000 psi: F above 3") << "txtP"
                                         << "cmbPU"
                                         << "4000"
                                         << "F is above 3, beyond the sizing correlation"
                                         << "5";
  QTest::newRow("V 0 ft^3") << "txtV"
                            << "cmbVU"
                            << "0"
                            << "Vessel volume must be greater than 0"
                            << "0.125";
  QTest::newRow("P -1E163 psi: L vanishes beside D") << "txtP"
                                                     << "cmbPU"
                                                     << "-1E163"
                                                     << "The vessel size is out of range"
                                                     << "-1.25E+160";
}

void FrmBrenmorTest::refusedCalculationLeavesNoStaleSize() {
  QFETCH(QString, boxName);
  QFETCH(QString, listName);
  QFETCH(QString, typed);
  QFETCH(QString, message);
  QFETCH(QString, fText);
  pressCalculate();
  QCOMPARE(box("txtD")->text(), QString("1703"));

  typeInto(box(qPrintable(boxName)), typed);
  if (!listName.isEmpty()) pickUnit(list(qPrintable(listName)), 0);
  pressCalculate();
  QCOMPARE(messages(), QStringList{message});
  QCOMPARE(box("txtF")->text(), fText);
  QCOMPARE(box("txtD")->text(), QString());
  QCOMPARE(box("txtL")->text(), QString());
}

void FrmBrenmorTest::coloursAsRendered() {
  const QColor red = Rgb(255, 0, 0);
  const QColor blue = Rgb(0, 0, 255);
  QVERIFY(PixelsOf(box("txtP"), red) > 0);
  QCOMPARE(PixelsOf(box("txtP"), blue), 0);
  QVERIFY(PixelsOf(box("txtF"), Rgb(192, 255, 192)) > 100);

  typeInto(box("txtP"), "10");
  QVERIFY(PixelsOf(box("txtP"), blue) > 0);
  QCOMPARE(PixelsOf(box("txtP"), red), 0);
  QVERIFY2(PixelsOf(box("txtC"), red) > 0, "other boxes stay red");

  pressCalculate();
  QVERIFY(PixelsOf(box("txtD"), Rgb(0, 192, 0)) > 0);
  QVERIFY(PixelsOf(box("txtD"), Rgb(192, 255, 192)) > 100);

  // An inactive window keeps its colours.
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QVERIFY(!ui_->window.isActiveWindow());
  QVERIFY(PixelsOf(box("txtC"), red) > 0);
  QVERIFY(PixelsOf(box("txtP"), blue) > 0);
  QVERIFY(PixelsOf(box("txtD"), Rgb(0, 192, 0)) > 0);
}

void FrmBrenmorTest::screenReaderNamesEveryControl_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("role");
  QTest::addColumn<QString>("name");
  const std::pair<const char*, const char*> captions[] = {
      {"Label6", "Vessel (ft^3)"},
      {"Label1", "Design pressure (psi) [P]"},
      {"Label2", "Corrosion allowance (in) [C]"},
      {"Label4", "Stress value of material (psi) [S]"},
      {"Label3", "Joint Efficiency [E]"},
      {"Label5", "F (1/in)"},
      {"Label7", "Diameter (mm)"},
      {"Label8", "Length or Height (mm)"},
  };
  const char* boxes[] = {"txtV", "txtP", "txtC", "txtS", "txtE", "txtF", "txtD", "txtL"};
  for (std::size_t i = 0; i < std::size(boxes); ++i) {
    QTest::newRow(captions[i].first)
        << captions[i].first << int(QAccessible::StaticText) << captions[i].second;
    QTest::newRow(boxes[i]) << boxes[i] << int(QAccessible::EditableText) << captions[i].second;
  }
  QTest::newRow("cmbVU") << "cmbVU" << int(QAccessible::ComboBox) << "Units of vessel volume";
  QTest::newRow("cmbPU") << "cmbPU" << int(QAccessible::ComboBox) << "Units of design pressure";
  QTest::newRow("cmbCU") << "cmbCU" << int(QAccessible::ComboBox) << "Units of corrosion allowance";
  QTest::newRow("cmbSU") << "cmbSU" << int(QAccessible::ComboBox) << "Units of stress value";
  QTest::newRow("cmdCalc") << "cmdCalc" << int(QAccessible::Button) << "Calculate";
  QTest::newRow("Image1") << "Image1" << int(QAccessible::Graphic) << "Brenmor logo";
  QTest::newRow("Line1") << "Line1" << int(QAccessible::Border) << "Separator";
  QTest::newRow("Label9") << "Label9" << int(QAccessible::StaticText) << "Rev.Z";
  QTest::newRow("Label10") << "Label10" << int(QAccessible::StaticText) << "29-Sep-2012";
}

// Walks the window as a screen reader does, from its accessible root down.
void FrmBrenmorTest::screenReaderNamesEveryControl() {
  QFETCH(QString, control);
  QFETCH(int, role);
  QFETCH(QString, name);
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&ui_->window);
  QCOMPARE(root->text(QAccessible::Name), QString("Brenmor"));
  QAccessibleInterface* found = nullptr;
  for (int i = 0; i < root->childCount() && found == nullptr; ++i) {
    QAccessibleInterface* child = root->child(i);
    if (child->object()->objectName() == control) found = child;
  }
  QVERIFY2(found != nullptr, "not among the window's accessible children");
  QCOMPARE(int(found->role()), role);
  QCOMPARE(found->text(QAccessible::Name), name);
}

void FrmBrenmorTest::messageBoxIsRead() {
  typeInto(box("txtE"), "1.5");
  tab();
  const QList<ShownMessage> boxes = ui_->watchdog.take();
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes.front().accessibleRole, QAccessible::AlertMessage);
  QCOMPARE(boxes.front().accessibleText, QString("E must be less than 1"));
}

// The road of one calculation without the mouse.
void FrmBrenmorTest::wholeJobFromTheKeyboard() {
  QCOMPARE(focused(), box("txtP"));
  ui_->driver.key(Qt::Key_A, Qt::ControlModifier);
  ui_->driver.keys("10");
  ui_->driver.key(Qt::Key_Tab);
  QCOMPARE(focused(), list("cmbPU"));
  ui_->driver.key(Qt::Key_Down, Qt::AltModifier);
  QTRY_VERIFY(list("cmbPU")->view()->isVisible());
  ui_->driver.key(Qt::Key_Down);  // the list opens on its first unit
  ui_->driver.key(Qt::Key_Return);
  QTRY_COMPARE(box("txtP")->text(), QString("145.038"));
  QCOMPARE(box("txtF")->text(), QString("0.181"));

  ui_->driver.key(Qt::Key_Tab);
  ui_->driver.key(Qt::Key_Tab);
  QCOMPARE(focused(), box("txtE"));
  ui_->driver.key(Qt::Key_A, Qt::ControlModifier);
  ui_->driver.keys("0.8");
  ui_->driver.key(Qt::Key_C, Qt::AltModifier);
  QCOMPARE(box("txtD")->text(), QString("1562"));
  QCOMPARE(box("txtL")->text(), QString("14782"));
}

void FrmBrenmorTest::inputsAndOutputsExplainThemselves() {
  const std::pair<const char*, const char*> inputs[] = {
      {"txtP", "psi"}, {"txtC", "inches"}, {"txtS", "psi"}, {"txtV", "cubic feet"}};
  for (const auto& [name, unit] : inputs) {
    const QString tip = box(name)->toolTip();
    QVERIFY2(tip.contains(unit) && tip.contains("list beside"), name);
  }
  QVERIFY(box("txtE")->toolTip().contains("leave the box"));
  for (const char* name : {"txtF", "txtD", "txtL"}) QVERIFY2(!box(name)->toolTip().isEmpty(), name);
}

void FrmBrenmorTest::tipsWrapWithinTheWindow() {
  for (const char* name : {"txtV", "txtP", "txtC", "txtS", "txtE", "txtF", "txtD", "txtL"}) {
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), box(name)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box(name), &hover);
    auto* tip = qobject_cast<QLabel*>(ShownTip());
    QVERIFY2(tip != nullptr && tip->text() == box(name)->toolTip(), name);
    QVERIFY2(tip->width() < ui_->window.width(), name);
    QVERIFY2(tip->height() >= 2 * QFontMetrics(tip->font()).lineSpacing(), name);
  }
  QToolTip::hideText();
}

// A wheel turned over a list on the way elsewhere picks nothing. Sent
// events do not travel from the edit part to the list as real ones do, so
// both are tried.
void FrmBrenmorTest::wheelPicksOnlyInAFocusedList() {
  const auto turnWheel = [](QWidget* target) {
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent notch(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &notch);
  };
  typeInto(box("txtP"), "10");
  turnWheel(list("cmbPU")->lineEdit());
  turnWheel(list("cmbPU"));
  QVERIFY(list("cmbPU")->isVisible());
  QCOMPARE(list("cmbPU")->currentText(), QString("<< Select Units >>"));
  QCOMPARE(ui_->window.designState().Values().P, 100.0);

  tab();
  QCOMPARE(focused(), list("cmbPU"));
  turnWheel(list("cmbPU"));
  QCOMPARE(ui_->window.designState().Values().P, 10.0);
  QVERIFY(list("cmbPU")->isHidden());
}

void FrmBrenmorTest::logoAndIconAreDrawn() {
  auto* logo = child<QLabel>("Image1");
  const QPixmap picture = logo->pixmap();
  QCOMPARE(picture.deviceIndependentSize(), QSizeF(logo->size()));
  QCOMPARE(picture.devicePixelRatio(), logo->devicePixelRatioF());
  QVERIFY2(PixelsOf(logo, QColor(0x9f, 0xb8, 0xcf)) > 50, "no vessel in the logo");
  QTRY_VERIFY(!ui_->window.windowIcon().isNull());
}

void FrmBrenmorTest::backgroundMenuCopiesTheRecord_data() {
  QTest::addColumn<QPoint>("at");
  QTest::addColumn<bool>("offered");
  QTest::newRow("bare background") << QPoint(360, 230) << true;
  QTest::newRow("on a caption") << QPoint(30, 40) << true;
  QTest::newRow("on the button") << QPoint(300, 196) << true;
  QTest::newRow("in a box, which keeps its own menu") << QPoint(200, 40) << false;
}

void FrmBrenmorTest::backgroundMenuCopiesTheRecord() {
  QFETCH(QPoint, at);
  QFETCH(bool, offered);
  typeInto(box("txtP"), "10");
  pickUnit(list("cmbPU"), 1);
  QGuiApplication::clipboard()->clear();

  QWidget* target = ui_->window.childAt(at) != nullptr ? ui_->window.childAt(at) : &ui_->window;
  const QPoint local = target->mapFrom(&ui_->window, at);
  QContextMenuEvent click(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
  QApplication::sendEvent(target, &click);
  QMenu* menu = nullptr;
  QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
  QStringList items;
  for (const QAction* action : menu->actions()) items << action->text();
  QCOMPARE(items.contains("Copy calculation record"), offered);
  if (!offered) {
    QTest::keyClick(menu, Qt::Key_Escape);
    return;
  }
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  const QString record = QGuiApplication::clipboard()->text();
  QCOMPARE(record, QString::fromStdString(brenmor::CalculationRecord(brenmor::Calculate(
                       brenmor::InBaseUnits(ui_->window.designState().Values())))));
  QVERIFY2(record.contains("= 0.181297804095732 1/in, shown 0.181"), qPrintable(record));
}

void FrmBrenmorTest::chartFollowsEachCalculate_data() {
  QTest::addColumn<QString>("pressure");
  QTest::addColumn<bool>("point");
  QTest::addColumn<QString>("note");
  QTest::addColumn<QString>("description");
  QTest::newRow("sized") << "100" << true << ""
                         << "Design at V = 1000 ft^3 and D = 1703 mm, between the lines of "
                            "F = 0.1 and 0.2";
  QTest::newRow("refused") << "4000" << false << "F is above 3, beyond the sizing correlation"
                           << "No design: F is above 3, beyond the sizing correlation";
}

// Opened from the background menu before any Calculate, the chart shows the
// lines alone; each Calculate then puts its design, or its refusal, there.
void FrmBrenmorTest::chartFollowsEachCalculate() {
  QFETCH(QString, pressure);
  QFETCH(bool, point);
  QFETCH(QString, note);
  QFETCH(QString, description);
  ChartWindow* chart = openChartFromTheMenu();
  QVERIFY(chart != nullptr);
  QTRY_VERIFY(chart->isVisible());
  QCOMPARE(chart->windowTitle(), QString("Brenmor chart"));
  QVERIFY(!chart->chart().design.has_value());
  QCOMPARE(chart->chart().lines.size(), std::size_t{13});

  ui_->window.activateWindow();
  typeInto(box("txtP"), pressure);
  pickUnit(list("cmbPU"), 0);
  pressCalculate();
  if (!point) QCOMPARE(messages(), QStringList{note});
  QCOMPARE(chart->chart().design.has_value(), point);
  QCOMPARE(QString::fromStdString(chart->chart().note), note);
  auto* view = chart->findChild<QWidget*>("picChart");
  QCOMPARE(view->accessibleDescription(), description);
  QCOMPARE(view->focusPolicy(), Qt::StrongFocus);

  // Copied as an image at the screen's density: as sharp as the window.
  QGuiApplication::clipboard()->clear();
  QTest::mouseClick(chart->findChild<QPushButton*>("cmdCopy"), Qt::LeftButton);
  const QImage copied = QGuiApplication::clipboard()->image();
  QCOMPARE(copied.size(), view->size() * view->devicePixelRatio());
  QSet<QRgb> colours;  // the lines, the axes and the paper at least: not a blank image
  for (int x = 0; x < copied.width(); ++x) colours.insert(copied.pixel(x, copied.height() / 2));
  QVERIFY2(colours.size() >= 3, qPrintable(QString::number(colours.size())));
}

// The form's background menu, opened from the keyboard as a user without a
// mouse would; null when it never shows.
QMenu* FrmBrenmorTest::openTheFormsMenu() {
  QContextMenuEvent click(QContextMenuEvent::Keyboard, QPoint(360, 230),
                          ui_->window.mapToGlobal(QPoint(360, 230)));
  QApplication::sendEvent(&ui_->window, &click);
  QMenu* menu = nullptr;
  const bool shown = QTest::qWaitFor(
      [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); });
  return shown ? menu : nullptr;
}

ChartWindow* FrmBrenmorTest::openChartFromTheMenu() {
  QMenu* menu = openTheFormsMenu();
  if (menu == nullptr) return nullptr;
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  return ui_->window.findChild<ChartWindow*>("frmChart");
}

void FrmBrenmorTest::wallAndWeightFollowEachCalculate_data() {
  QTest::addColumn<QString>("pressure");
  QTest::addColumn<int>("head");  // picked from the keyboard: 0 ellipsoidal, 1 hemispherical
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QString>("message");
  QTest::newRow("ellipsoidal")
      << "100" << 0 << QStringList{"9.5 mm", "9.5 mm", "5481 kg", "35112 kg", "1570 mm"}
      << "This diameter weighs 100.26 % of the least, both at minimum thicknesses";
  QTest::newRow("hemispherical")
      << "100" << 1 << QStringList{"9.5 mm", "6.4 mm", "5463 kg", "36386 kg", "1652 mm"}
      << "This diameter weighs 100.03 % of the least, both at minimum thicknesses";
  QTest::newRow("vacuum") << "-10" << 0 << QStringList{"", "", "", "", ""}
                          << "The wall is worked out for internal pressure only, and P is below 0";
}

// Beside the chart: the figures, the head chosen from the keyboard, and the
// weight curve with both marks, each named for a screen reader.
void FrmBrenmorTest::wallAndWeightFollowEachCalculate() {
  QFETCH(QString, pressure);
  QFETCH(int, head);
  QFETCH(QStringList, shown);
  QFETCH(QString, message);
  ChartWindow* chart = openChartFromTheMenu();
  QVERIFY(chart != nullptr);
  QTRY_VERIFY(chart->isVisible());
  QCOMPARE(chart->findChild<QLabel*>("lblLeastWeight")->text(),
           QString("Calculate a design to see its wall and weight"));
  ui_->window.activateWindow();
  typeInto(box("txtP"), pressure);
  pickUnit(list("cmbPU"), 0);
  pressCalculate();
  auto* heads = chart->findChild<QComboBox*>("cmbHead");
  QCOMPARE(heads->accessibleName(), QString("Heads"));
  heads->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < head; ++i) QTest::keyClick(heads, Qt::Key_Down);
  const char* names[] = {"tShell", "tHead", "weightEmpty", "weightWater", "leastWeightD"};
  for (int i = 0; i < shown.size(); ++i) {
    auto* value = chart->findChild<QLabel*>(names[i]);
    QCOMPARE(value->text(), shown[i]);
    QVERIFY(!value->accessibleName().isEmpty());
    QVERIFY(value->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  }
  QCOMPARE(chart->findChild<QLabel*>("lblLeastWeight")->text(), message);
  QCOMPARE(chart->weightPlot().design.has_value(), !shown.front().isEmpty());
  QCOMPARE(!chart->weightPlot().optima.empty(), !shown.front().isEmpty());
  QCOMPARE(chart->findChild<QWidget*>("picWeight")->focusPolicy(), Qt::StrongFocus);
}

QString FrmBrenmorTest::copyRecordFromTheMenu() {
  QGuiApplication::clipboard()->clear();
  QMenu* menu = openTheFormsMenu();
  if (menu == nullptr) return {};
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  return QGuiApplication::clipboard()->text();
}

void FrmBrenmorTest::recordIsBrenmorSizes_data() {
  QTest::addColumn<int>("head");
  QTest::addColumn<int>("step");
  QTest::addColumn<QStringList>("args");
  QTest::newRow("by default") << 0 << 0 << QStringList{};
  QTest::newRow("hemispherical") << 1 << 0 << QStringList{"--head", "hemispherical"};
  QTest::newRow("millimetre plate") << 0 << 1 << QStringList{"--plate-step", "1mm"};
  QTest::newRow("both") << 1 << 1 << QStringList{"--head", "hemispherical", "--plate-step", "1mm"};
}

// The record copied is brenmor-size's, byte for byte, with the heads and
// plate step chosen beside the chart, which the form's model holds.
void FrmBrenmorTest::recordIsBrenmorSizes() {
  QFETCH(int, head);
  QFETCH(int, step);
  QFETCH(QStringList, args);
  typeInto(box("txtP"), "10");
  pickUnit(list("cmbPU"), 1);
  typeInto(box("txtV"), "20");
  pickUnit(list("cmbVU"), 1);
  pressCalculate();
  ChartWindow* chart = openChartFromTheMenu();
  QVERIFY(chart != nullptr);
  chart->findChild<QComboBox*>("cmbHead")->setCurrentIndex(head);
  chart->findChild<QComboBox*>("cmbPlateStep")->setCurrentIndex(step);
  ui_->window.activateWindow();
  const QJsonObject expected = BrenmorSize(QStringList{"P=10bar", "V=20m^3"} + args);
  QVERIFY(!expected.isEmpty());
  QCOMPARE(copyRecordFromTheMenu(), expected["record"].toString());
}

// What "Save as..." writes is the page's picture of the same design at the
// same size: the engine's one drawing, only its colours the desktop's.
void FrmBrenmorTest::savedChartIsThePagesPicture() {
  pressCalculate();
  ChartWindow* chart = openChartFromTheMenu();
  QVERIFY(chart != nullptr);
  auto* view = chart->findChild<QWidget*>("picChart");
  view->setFixedSize(480, 360);
  QTRY_COMPARE(view->size(), QSize(480, 360));
  QTemporaryDir dir;
  const QString path = dir.filePath("chart.svg");
  QCOMPARE(chart->saveChart(path), QString());
  QFile saved(path);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const brenmor::Calculation calc =
      brenmor::Calculate(brenmor::InBaseUnits(ui_->window.designState().Values()));
  const brenmor::Chart ofThePage = brenmor::ChartOf(&calc);
  QString page = QString::fromStdString(
      brenmor::SvgOf(brenmor::DrawChart(ofThePage, 480, 360), brenmor::PagePalette()));
  const brenmor::Palette pageColours = brenmor::PagePalette();
  const QPalette& colours = view->palette();
  page.replace(QString::fromStdString('"' + pageColours.ink + '"'),
               '"' + colours.color(QPalette::WindowText).name() + '"')
      .replace(QString::fromStdString('"' + pageColours.paper + '"'),
               '"' + colours.color(QPalette::Base).name() + '"')
      .replace(QString::fromStdString('"' + pageColours.accent + '"'),
               '"' + colours.color(QPalette::Highlight).name() + '"');
  QCOMPARE(QString::fromUtf8(saved.readAll()), page);
}

// Each figure of the engine's table stands in the window where the table
// says, with brenmor-size's digits.
void FrmBrenmorTest::showsEveryFigureOfTheTable() {
  pressCalculate();
  ChartWindow* chart = openChartFromTheMenu();
  QVERIFY(chart != nullptr);
  const QJsonObject expected = BrenmorSize({});
  for (const brenmor::Figure figure : brenmor::kFigures) {
    const brenmor::FigureInfo& info = brenmor::Info(figure);
    const QString id = QString::fromUtf8(info.pageId.data(), static_cast<int>(info.pageId.size()));
    const QString name = QString::fromUtf8(info.name.data(), static_cast<int>(info.name.size()));
    QWidget* shows = info.place == brenmor::Place::Form ? static_cast<QWidget*>(box(qPrintable(id)))
                                                        : chart->findChild<QLabel*>(id);
    QVERIFY2(shows != nullptr, qPrintable(id));
    const auto* label = qobject_cast<QLabel*>(shows);
    const QString text = label != nullptr ? label->text() : qobject_cast<QLineEdit*>(shows)->text();
    QVERIFY2(text.split(' ').front().toDouble() == expected[name].toDouble(),
             qPrintable(name + ": " + text));
  }
}

// The panel's orientation and cost index are the form's: a bad index is
// refused with its message and the index in force shown again; a good one
// and a horizontal vessel give brenmor-size's costs.
void FrmBrenmorTest::panelChoicesAreBrenmorSizes() {
  pressCalculate();
  ChartWindow* chart = openChartFromTheMenu();
  QVERIFY(chart != nullptr);
  auto* index = chart->findChild<QLineEdit*>("txtCostIndex");
  QCOMPARE(index->text(), QString("567"));
  for (const char* bad : {"0", "abc", "-5"}) {
    index->setFocus();
    index->selectAll();
    QTest::keyClicks(index, bad);
    QTest::keyClick(index, Qt::Key_Return);
    QCOMPARE(messages(), QStringList{"The cost index must be a number above 0"});
    QCOMPARE(index->text(), QString("567"));
  }
  index->setFocus();
  index->selectAll();
  QTest::keyClicks(index, "816");
  QTest::keyClick(index, Qt::Key_Return);
  chart->findChild<QComboBox*>("cmbOrientation")->setCurrentIndex(1);
  chart->findChild<QComboBox*>("cmbHead")->setCurrentIndex(2);
  const QJsonObject expected = BrenmorSize(
      {"--cost-index", "816", "--orientation", "horizontal", "--head", "torispherical"});
  for (const auto& [id, name] :
       {std::pair{"costVessel", "cost_usd"}, std::pair{"costPlatforms", "cost_platforms_usd"},
        std::pair{"leastCostD", "least_cost_D_mm"}, std::pair{"mawp", "mawp_psi"}}) {
    const QString shown = chart->findChild<QLabel*>(id)->text();
    QVERIFY2(shown.split(' ').front().toDouble() == expected[name].toDouble(),
             qPrintable(QString(name) + ": " + shown));
  }
  QCOMPARE(chart->findChild<QLabel*>("costMessage")->text(), expected["cost_message"].toString());
}

// A save that fails gives the system's reason, for SVG and PNG alike; one
// that works leaves the file.
void FrmBrenmorTest::chartSaveSaysWhyNot() {
  ChartWindow chart;
  chart.resize(600, 400);
  for (const char* name : {"/nonexistent/chart.svg", "/nonexistent/chart.png"}) {
    const QString problem = chart.saveChart(QString::fromLatin1(name));
    QVERIFY2(!problem.isEmpty(), name);
  }
  QTemporaryDir dir;
  for (const char* name : {"chart.svg", "chart.png"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QCOMPARE(chart.saveChart(path), QString());
    QVERIFY2(QFileInfo(path).size() > 100, name);
  }
}

// Run once as it is and once with QT_SCALE_FACTOR=2: the window is drawn
// that much larger, with every control on its rectangle scaled.
void FrmBrenmorTest::scaledWindowDrawsEveryControlScaled() {
  const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                          : 1.0;
  QCOMPARE(ui_->window.devicePixelRatioF(), scale);
  const QImage image = ui_->window.grab().toImage();
  QCOMPARE(image.size(), QSize(367, 241) * scale);
  const QColor lightGreen(192, 255, 192);
  const std::pair<const char*, QRect> outputs[] = {
      {"txtF", {176, 144, 65, 19}}, {"txtD", {176, 168, 65, 19}}, {"txtL", {176, 192, 65, 19}}};
  for (const auto& [name, pixels] : outputs) {
    const QRect drawn(pixels.topLeft() * scale, pixels.size() * scale);
    const int y = drawn.center().y();
    QVERIFY2(image.pixelColor(drawn.left() + int(4 * scale), y) == lightGreen, name);
    QVERIFY2(image.pixelColor(drawn.right() - int(4 * scale), y) == lightGreen, name);
    QVERIFY2(image.pixelColor(drawn.left() - int(2 * scale), y) != lightGreen, name);
    QVERIFY2(image.pixelColor(drawn.right() + int(2 * scale), y) != lightGreen, name);
  }
}

// A value written back into its box reads back as itself, in any locale.
void FrmBrenmorTest::writtenBackValueCommitsBackToItself() {
  if (qEnvironmentVariable("LC_ALL").startsWith("de_DE")) {
    QCOMPARE(QString(std::localeconv()->decimal_point), QString(","));
  }
  typeInto(box("txtP"), "10");
  pickUnit(list("cmbPU"), 1);
  QCOMPARE(box("txtP")->text(), QString("145.038"));
  typeInto(box("txtP"), "145.038");
  pickUnit(list("cmbPU"), 0);
  QCOMPARE(box("txtP")->text(), QString("145.038"));
  QCOMPARE(ui_->window.designState().Values().P, 145.038);
  QCOMPARE(box("txtF")->text(), QString("0.181"));
}

int main(int argc, char* argv[]) { return RunWindowTest<FrmBrenmorTest>(argc, argv); }

#include "frmbrenmor_test.moc"

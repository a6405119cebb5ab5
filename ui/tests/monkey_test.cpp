// A seeded monkey: thousands of random user actions on the real window, with
// the message boxes answered, and the window's promises checked after each.
// Replay a failure with BRENMOR_MONKEY_SEED=<seed printed>.
#include <QRegularExpression>
#include <QSignalSpy>
#include <array>
#include <memory>
#include <random>

#include "brenmor/form/design_state.h"
#include "brenmor/numbers/number_text.h"
#include "window_driver.h"

namespace {

constexpr int kActions = 2000;

// A value's box, its unit list, and the message its out-of-range commit shows.
struct Row {
  const char* box;
  const char* list;  // nullptr for E
  const char* outOfRange;
};

constexpr std::array<Row, 5> kRows = {{
    {"txtP", "cmbPU", "Design pressure is out of range"},
    {"txtC", "cmbCU", "Corrosion allowance is out of range"},
    {"txtS", "cmbSU", "Stress value is out of range"},
    {"txtE", nullptr, "Joint efficiency is out of range"},
    {"txtV", "cmbVU", "Vessel volume is out of range"},
}};

const QStringList kTexts = {"10",
                            "0.5",
                            "1",
                            "1.5",
                            "20",
                            "4000",
                            "0",
                            "",
                            "abc",
                            "1,5",
                            "-3",
                            "1E400",
                            "-1E400",
                            "1E308",
                            "1E-400",
                            "0.0001",
                            "99999999999999999",
                            "  7 ",
                            "1.2.3",
                            "-.5",
                            "3000",
                            "2E2",
                            "0.8",
                            "1000",
                            "0.0625",
                            "16000",
                            "-1E6",
                            "1E40",
                            "0.001",
                            "12abc"};

bool IsWholeNumberText(const QString& text) {
  static const QRegularExpression number(R"(^\d+(\.\d+)?(E[+-]\d\d+)?$)");
  const double value = brenmor::ParseValue(text.toStdString());
  return number.match(text).hasMatch() && std::nearbyint(value) == value;
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void randomActionsKeepTheWindowsPromises();

 private:
  bool act(int action);
  QString check() const;

  std::mt19937 random_;
  std::unique_ptr<WindowUnderTest> ui_;
  std::array<bool, kRows.size()> edited_{};  // edited since the last pick
  brenmor::DesignValues calculated_;         // committed when Calculate last ran
  std::array<int, 7> done_{};                // actions carried out, by kind
  int messages_ = 0;
};

void MonkeyTest::randomActionsKeepTheWindowsPromises() {
  const unsigned seed = qEnvironmentVariableIsSet("BRENMOR_MONKEY_SEED")
                            ? qEnvironmentVariableIntValue("BRENMOR_MONKEY_SEED")
                            : 20261208U;
  random_.seed(seed);
  ui_ = std::make_unique<WindowUnderTest>();
  QVERIFY(ui_->open());

  for (int step = 0, acted = 0; acted < kActions; ++step) {
    const int action = static_cast<int>(random_() % 7);
    if (act(action)) {
      ++done_[static_cast<std::size_t>(action)];
      ++acted;
    }
    if (QTest::currentTestFailed()) return;
    const QString broken = check();
    QVERIFY2(broken.isEmpty(), qPrintable(QString("seed %1, step %2 (action %3): %4")
                                              .arg(seed)
                                              .arg(step)
                                              .arg(action)
                                              .arg(broken)));
  }
  qInfo(
      "seed %u: typed %d, picked %d, tabbed %d, calculated %d by mouse and %d by Alt+C, "
      "clicked outputs %d; %d message boxes",
      seed, done_[0] + done_[1], done_[2], done_[3], done_[4], done_[5], done_[6], messages_);
  QVERIFY2(done_[2] > 100 && messages_ > 50, "the monkey should pick and be refused often");
}

// Carries out one action; false when it had nothing to act on.
bool MonkeyTest::act(int action) {
  const std::size_t r = random_() % kRows.size();
  const Row& row = kRows[r];
  switch (action) {
    case 0:
    case 1: {  // type into a box
      QSignalSpy changes(ui_->driver.box(row.box), &QLineEdit::textChanged);
      ui_->driver.typeInto(ui_->driver.box(row.box), kTexts[random_() % kTexts.size()]);
      edited_[r] = edited_[r] || !changes.isEmpty();
      break;
    }
    case 2: {  // pick a unit of a shown list
      if (row.list == nullptr || ui_->driver.list(row.list)->isHidden()) return false;
      QComboBox* list = ui_->driver.list(row.list);
      WindowDriver::pickUnit(list, static_cast<int>(random_() % list->count()));
      if (!QTest::qWaitFor([list] { return !list->view()->isVisible(); })) {
        QTest::qFail("the unit list stayed open", __FILE__, __LINE__);
      }
      const QStringList shown = ui_->watchdog.takeTexts();
      messages_ += static_cast<int>(shown.size());
      if (!shown.contains(row.outOfRange)) edited_[r] = false;
      break;
    }
    case 3:
      ui_->driver.tab();
      break;
    case 4:
    case 5: {
      QSignalSpy clicks(ui_->driver.calculateButton(), &QPushButton::clicked);
      if (action == 4) {
        ui_->driver.pressCalculate();
      } else {
        ui_->driver.altC();
      }
      if (!clicks.isEmpty()) calculated_ = ui_->window.designState().Values();
      break;
    }
    default:
      QTest::mouseClick(ui_->driver.box(random_() % 2 == 0 ? "txtD" : "txtF"), Qt::LeftButton);
  }
  // An E rejection or a refused calculation changes no list.
  messages_ += static_cast<int>(ui_->watchdog.take().size());
  return true;
}

// What the window promises after every action; empty when all hold.
QString MonkeyTest::check() const {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    if (kRows[r].list == nullptr) continue;
    if (ui_->driver.list(kRows[r].list)->isVisible() != edited_[r]) {
      return QString("%1 is %2 but its box was%3 edited since its last pick")
          .arg(kRows[r].list, edited_[r] ? "hidden" : "shown", edited_[r] ? "" : " not");
    }
  }
  const QString f = ui_->driver.box("txtF")->text();
  const double committedF = ui_->window.designState().Values().F;
  const QString expectedF = QString::fromStdString(brenmor::FormatRounded(committedF, 3));
  if (!f.isEmpty() && f != expectedF) return "txtF shows " + f + ", F is " + expectedF;
  for (const char* name : {"txtD", "txtL"}) {
    const QString text = ui_->driver.box(name)->text();
    if (!text.isEmpty() && !IsWholeNumberText(text)) return QString(name) + " shows " + text;
  }
  // A size on screen is the size of the values committed when it was asked for.
  const brenmor::DesignValues& v = calculated_;
  const brenmor::Calculation sized = brenmor::Calculate(brenmor::InBaseUnits(v));
  const QString d = ui_->driver.box("txtD")->text();
  const QString l = ui_->driver.box("txtL")->text();
  const std::string& dText = sized.Text(brenmor::Figure::D);
  const std::string& lText = sized.Text(brenmor::Figure::L);
  if (d.toStdString() != dText || l.toStdString() != lText) {
    return QString("D %1 and L %2 on screen, but the committed values give %3 and %4")
        .arg(d, l, QString::fromStdString(dText), QString::fromStdString(lText));
  }
  for (const QLineEdit* box : ui_->window.findChildren<QLineEdit*>()) {
    const QString text = box->text();
    if (text == "-0" || text.contains("inf", Qt::CaseInsensitive) ||
        text.contains("nan", Qt::CaseInsensitive)) {
      return box->objectName() + " shows " + text;
    }
  }
  return {};
}

int main(int argc, char* argv[]) { return RunWindowTest<MonkeyTest>(argc, argv); }

#include "monkey_test.moc"

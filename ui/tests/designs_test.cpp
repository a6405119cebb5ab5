// Seeded random designs entered into the window, value by value and unit by
// unit, and calculated: F, D and L or the refusal, and every figure of the
// panel beside the chart, are the texts brenmor-size gives for the same
// designs as a list.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <random>

#include "brenmor/calculation/figures.h"
#include "chartwindow.h"
#include "window_driver.h"

namespace {

// Each value's box and list, its units and the range it is drawn from.
struct ValueRow {
  const char* box;
  const char* list;  // none for E
  QStringList units;
  double from;
  double to;
};
const std::array<ValueRow, 5> kRows = {{
    {"txtP", "cmbPU", {"psi", "bar", "atm"}, -5, 600},
    {"txtC", "cmbCU", {"in", "mm"}, 0, 6},
    {"txtS", "cmbSU", {"psi", "bar", "atm"}, 500, 30000},
    {"txtE", nullptr, {""}, 0.3, 1},
    {"txtV", "cmbVU", {"ft^3", "m^3"}, 0, 8000},
}};

struct Entered {
  QString text;
  int unit;
};
using Design = std::array<Entered, 5>;

std::vector<Design> MakeDesigns(int count) {
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<Design> designs(static_cast<std::size_t>(count));
  for (Design& design : designs) {
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      const ValueRow& row = kRows[r];
      const double x = row.from + unit(random) * (row.to - row.from);
      design[r] = {QString::number(x, 'f', static_cast<int>(random() % 5)),
                   static_cast<int>(random() % static_cast<unsigned>(row.units.size()))};
    }
  }
  return designs;
}

// brenmor-size's rows for the designs, each cell by its column's name.
std::vector<QHash<QString, QString>> BrenmorSizeRows(const std::vector<Design>& designs) {
  QString list = "P,C,S,E,V\n";
  for (const Design& design : designs) {
    QStringList cells;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      cells << (design[r].text + ' ' + kRows[r].units[design[r].unit]).trimmed();
    }
    list += cells.join(',') + '\n';
  }
  QProcess run;
  run.start(QStringLiteral(BRENMOR_SIZE), {"--csv", "-"});
  run.write(list.toUtf8());
  run.closeWriteChannel();
  run.waitForFinished();
  const QStringList lines = QString::fromUtf8(run.readAllStandardOutput()).split('\n');
  const QStringList names = lines.front().split(',');
  std::vector<QHash<QString, QString>> rows;
  for (qsizetype i = 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
    // The messages may hold commas, and are quoted; the figures never are.
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (const QChar c : lines[i]) {
      if (c == '"') {
        quoted = !quoted;
      } else if (c == ',' && !quoted) {
        cells << std::exchange(cell, {});
      } else {
        cell += c;
      }
    }
    cells << cell;
    QHash<QString, QString> row;
    for (qsizetype c = 0; c < names.size(); ++c) row[names[c]] = cells.value(c);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

class DesignsTest : public QObject {
  Q_OBJECT

 private slots:
  void randomDesignsGiveBrenmorSizesTexts();
};

void DesignsTest::randomDesignsGiveBrenmorSizesTexts() {
  const std::vector<Design> designs = MakeDesigns(1000);
  const auto expected = BrenmorSizeRows(designs);
  QCOMPARE(expected.size(), designs.size());
  WindowUnderTest ui;
  QVERIFY(ui.open());
  // The chart window, whose panel shows the figures, from the menu.
  QContextMenuEvent click(QContextMenuEvent::Keyboard, QPoint(360, 230),
                          ui.window.mapToGlobal(QPoint(360, 230)));
  QApplication::sendEvent(&ui.window, &click);
  QMenu* menu = nullptr;
  QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  auto* chart = ui.window.findChild<ChartWindow*>("frmChart");
  QVERIFY(chart != nullptr);
  ui.window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&ui.window));

  for (std::size_t i = 0; i < designs.size(); ++i) {
    // A refusal's message box took the activation, and with no window
    // manager to hand it back, the chart window may get it: the user would
    // click back into the form.
    if (QApplication::activeWindow() != &ui.window) ui.window.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &ui.window);
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      QLineEdit* box = ui.driver.box(kRows[r].box);
      box->setFocus();
      box->setText(designs[i][r].text);
      if (kRows[r].list == nullptr) continue;
      QComboBox* list = ui.driver.list(kRows[r].list);
      list->setFocus();
      emit list->activated(designs[i][r].unit);
    }
    ui.driver.calculateButton()->setFocus();  // leaving E commits it first
    ui.driver.pressCalculate();
    const QStringList messages = ui.watchdog.takeTexts();
    const auto& row = expected[i];
    const QString where = QString("design %1").arg(i);
    QString entered;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      entered += ' ' + designs[i][r].text + ' ' + kRows[r].units[designs[i][r].unit];
    }
    const auto same = [&](const QString& what, const QString& shown, const QString& cell) {
      return shown == cell ? QString()
                           : QString("design %1:%2: %3 shows %4, brenmor-size %5")
                                 .arg(i)
                                 .arg(entered, what, shown, cell);
    };
    for (const QString& wrong : {same("message", messages.value(0), row["message"]),
                                 same("F", ui.driver.box("txtF")->text(), row["F"]),
                                 same("D", ui.driver.box("txtD")->text(), row["D_mm"]),
                                 same("L", ui.driver.box("txtL")->text(), row["L_mm"])}) {
      QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
    for (const brenmor::Figure figure : brenmor::kFigures) {
      const brenmor::FigureInfo& info = brenmor::Info(figure);
      if (info.place != brenmor::Place::Panel) continue;
      const QString name = QString::fromUtf8(info.name.data(), info.name.size());
      const QString unit = QString::fromUtf8(info.unit.data(), info.unit.size());
      const QString shown =
          chart->findChild<QLabel*>(QString::fromUtf8(info.pageId.data(), info.pageId.size()))
              ->text();
      const QString cell = row[name];
      QVERIFY2(shown == (cell.isEmpty() || unit.isEmpty() ? cell : cell + ' ' + unit),
               qPrintable(where + ' ' + name + ": " + shown + " against " + cell));
    }
    QCOMPARE(chart->findChild<QLabel*>("costMessage")->text(), row["cost_message"]);
    if (!row["wall_message"].isEmpty()) {
      QCOMPARE(chart->findChild<QLabel*>("lblLeastWeight")->text(), row["wall_message"]);
    }
  }
}

int main(int argc, char* argv[]) { return RunWindowTest<DesignsTest>(argc, argv); }

#include "designs_test.moc"

// The latency of one user action through the real widgets, repaint included,
// on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "frmbrenmor.h"
#include "ratio_report.h"

namespace {

template <class T>
T* Control(const frmBrenmor& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

// A pick of "psi" with Down on the shown list: commits, writes back, hides
// the list and refreshes F. The edit that shows the list is not timed.
void BM_UnitPick(benchmark::State& state) {
  frmBrenmor window;
  window.show();
  auto* box = Control<QLineEdit>(window, "txtP");
  auto* list = Control<QComboBox>(window, "cmbPU");
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    box->setText(QString::number(100 + (++n % 50)));
    QApplication::processEvents();
    state.ResumeTiming();
    QTest::keyClick(list, Qt::Key_Down);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_UnitPick)->Unit(benchmark::kMicrosecond);

void BM_CalculateClick(benchmark::State& state) {
  frmBrenmor window;
  window.show();
  auto* button = Control<QPushButton>(window, "cmdCalc");
  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_CalculateClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const RecordingReporter results = RunBenchmarks(argc, argv);
  bool ok = ReportTarget("time", "unit pick", results.ns("BM_UnitPick") / 1000, 200, " us");
  ok &= ReportTarget("time", "Calculate click", results.ns("BM_CalculateClick") / 1000, 200, " us");
  return ok ? 0 : 1;
}

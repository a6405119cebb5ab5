// Starts like the program does, shows frmBrenmor and prints the monotonic
// clock in ns once the first frame is painted, then quits. With "floor" it
// shows the same widgets with the same texts at the same places and nothing
// else (no fonts, colours, icon or logo of their own, no engine): the cost of
// such a window in this toolkit. With "empty" it shows a bare QWidget of the
// same size.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "frmbrenmor.h"

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Quits on the first paint of the watched window, once that paint is done.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::printf("%lld\n", MonotonicNs());
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

struct Placed {
  const char* text;
  QRect pixels;
};

std::unique_ptr<QWidget> Floor() {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(367, 241);
  QWidget* parent = window.get();
  const Placed captions[] = {
      {"Vessel (ft^3)", {16, 8, 153, 17}},
      {"Design pressure (psi) [P]", {16, 32, 153, 17}},
      {"Corrosion allowance (in) [C]", {16, 56, 153, 17}},
      {"Stress value of material (psi) [S]", {16, 80, 153, 17}},
      {"Joint Efficiency [E]", {16, 104, 153, 17}},
      {"F (1/in)", {16, 144, 153, 17}},
      {"Diameter (mm)", {16, 168, 153, 17}},
      {"Length or Height (mm)", {16, 192, 153, 17}},
      {"Rev.Z", {64, 216, 105, 17}},
      {"29-Sep-2012", {176, 216, 73, 17}},
  };
  for (const Placed& c : captions) (new QLabel(c.text, parent))->setGeometry(c.pixels);
  const Placed boxes[] = {{"1000", {176, 8, 65, 19}},    {"100", {176, 32, 65, 19}},
                          {"0.0625", {176, 56, 65, 19}}, {"16000", {176, 80, 65, 19}},
                          {"0.8", {176, 104, 65, 19}},   {"", {176, 144, 65, 19}},
                          {"", {176, 168, 65, 19}},      {"", {176, 192, 65, 19}}};
  for (const Placed& b : boxes) (new QLineEdit(b.text, parent))->setGeometry(b.pixels);
  for (const int top : {8, 32, 56, 80}) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->addItems({"psi", "bar", "atm"});
    list->setGeometry(248, top, 105, 21);
    list->hide();
  }
  (new QPushButton("&Calculate", parent))->setGeometry(248, 184, 105, 25);
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setGeometry(8, 128, 345, 1);
  return window;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* kind = argc > 1 ? argv[1] : "window";
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brenmor"));
  QApplication::setApplicationVersion(QStringLiteral(BRENMOR_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.brenmor.Brenmor"));
  std::unique_ptr<QWidget> window;
  if (std::strcmp(kind, "floor") == 0) {
    window = Floor();
  } else if (std::strcmp(kind, "empty") == 0) {
    window = std::make_unique<QWidget>();
    window->setFixedSize(367, 241);
  } else {
    window = std::make_unique<frmBrenmor>();
  }
  FirstPaint firstPaint;
  window->installEventFilter(&firstPaint);
  window->show();
  return QApplication::exec();
}

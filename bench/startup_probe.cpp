// Starts like the program does, shows frmBrenmor and prints the monotonic
// clock in ns once the first frame is painted, then quits. With "empty" it
// shows a bare QWidget of the same size instead (the toolkit's floor), with
// "label" the same with one caption (the floor of any window with text).
#include <QApplication>
#include <QLabel>
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

}  // namespace

int main(int argc, char* argv[]) {
  const char* kind = argc > 1 ? argv[1] : "window";
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brenmor"));
  QApplication::setApplicationVersion(QStringLiteral(BRENMOR_VERSION));
  std::unique_ptr<QWidget> window;
  if (std::strcmp(kind, "window") != 0) {
    window = std::make_unique<QWidget>();
    window->setFixedSize(367, 241);
    if (std::strcmp(kind, "label") == 0) new QLabel(QStringLiteral("Vessel (ft^3)"), window.get());
  } else {
    window = std::make_unique<frmBrenmor>();
  }
  FirstPaint firstPaint;
  window->installEventFilter(&firstPaint);
  window->show();
  return QApplication::exec();
}

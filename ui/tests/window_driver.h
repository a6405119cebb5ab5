// Drives a frmBrenmor as a user does, for the window's tests: real key and
// mouse input, and a watchdog that answers every message box so that a test
// fails on an unexpected box instead of hanging on it.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <utility>

#include "frmbrenmor.h"

// What a message box showed before the watchdog answered it.
struct ShownMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QAccessible::Role accessibleRole;  // as a screen reader is told
  QString accessibleText;
};

class MessageBoxWatchdog : public QObject {
 public:
  MessageBoxWatchdog() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxWatchdog::answer);
    timer_.start();
  }
  QList<ShownMessage> take() { return std::exchange(shown_, {}); }
  QStringList takeTexts() {
    QStringList texts;
    for (const ShownMessage& m : take()) texts << m.text;
    return texts;
  }

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
    shown_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                   read->role(), read->text(QAccessible::Value)});
    QTest::keyClick(box, Qt::Key_Return);
  }

  QTimer timer_;
  QList<ShownMessage> shown_;
};

class WindowDriver {
 public:
  explicit WindowDriver(frmBrenmor* window) : window_(window) {}

  template <class T>
  T* child(const char* name) const {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
  QComboBox* list(const char* name) const { return child<QComboBox>(name); }
  QPushButton* calculateButton() const { return child<QPushButton>("cmdCalc"); }
  static QWidget* focused() { return QApplication::focusWidget(); }

  // Replaces the box's text by typing, as a user who clicks into it and
  // selects it all first.
  void typeInto(QLineEdit* box, const QString& text) const {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Delete);
    } else {
      QTest::keyClicks(box, text);
    }
  }

  // Opens the list from the keyboard and picks a row with Return.
  static void pickUnit(QComboBox* list, int row) {
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    if (!QTest::qWaitFor([list] { return list->view()->isVisible(); })) qFatal("no popup");
    list->view()->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
  }

  // Keys go to an open popup, else where the keyboard focus is, or to the
  // window while it has none.
  QWidget* keyboardTarget() const {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    }
    return focused() != nullptr ? focused() : window_;
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(keyboardTarget(), key, modifiers);
  }
  void keys(const QString& text) const { QTest::keyClicks(keyboardTarget(), text); }
  void tab() const { QTest::keyClick(keyboardTarget(), Qt::Key_Tab); }
  void altC() const { QTest::keyClick(keyboardTarget(), Qt::Key_C, Qt::AltModifier); }
  void pressCalculate() const { QTest::mouseClick(calculateButton(), Qt::LeftButton); }

 private:
  frmBrenmor* window_;
};

// A fresh window with its driver and the watchdog that answers its boxes.
struct WindowUnderTest {
  MessageBoxWatchdog watchdog;
  frmBrenmor window;
  WindowDriver driver{&window};

  // Shows the window and waits until it has the keyboard.
  bool open() {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
};

// main() of a window test: Qt's offscreen platform unless another is asked
// for by name, so that a run on a desktop neither needs nor disturbs its
// display. `make test-x11` asks for xcb on a private Xvfb.
template <class Test>
int RunWindowTest(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "brenmor/form/form_texts.h"
#include "frmbrenmor.h"

namespace {

// Without a display Qt aborts, with a core dump and advice to reinstall.
// Say what is wrong and what works without one, and stop with status 1.
[[noreturn]] void NoDisplay() {
  const std::string_view text = brenmor::kFormTexts.noDisplay;
  std::fprintf(stderr, "brenmor: %.*s\n", static_cast<int>(text.size()), text.data());
  std::_Exit(1);
}

bool DisplayNamed() {
  return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

QtMessageHandler qtHandler = nullptr;
bool starting = true;
struct Held {
  QtMsgType type;
  QString message;
};
std::vector<Held>* held = nullptr;

// A display that is named but cannot be reached ends in Qt's fatal message
// about its platform plugin: that becomes the one line above, and the
// platform's warnings before it are dropped. Once the window system is up
// they are passed on, as is every other message at once.
void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && message.contains(QStringLiteral("platform plugin"))) NoDisplay();
  const bool platform =
      context.category != nullptr && qstrncmp(context.category, "qt.qpa.", 7) == 0;
  if (starting && platform && held != nullptr) {
    held->push_back({type, message});
    return;
  }
  qtHandler(type, context, message);
}

void PassOnHeldMessages() {
  starting = false;
  for (const Held& h : *held) qtHandler(h.type, QMessageLogContext(), h.message);
  held->clear();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!DisplayNamed()) NoDisplay();
  std::vector<Held> heldMessages;
  held = &heldMessages;
  qtHandler = qInstallMessageHandler(OnQtMessage);
  QApplication app(argc, argv);
  PassOnHeldMessages();
  QApplication::setApplicationName(QStringLiteral("Brenmor"));
  QApplication::setApplicationVersion(QStringLiteral(BRENMOR_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.brenmor.Brenmor"));
  frmBrenmor window;
  window.show();
  return QApplication::exec();
}

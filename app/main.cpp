#include <QApplication>

#include "frmbrenmor.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brenmor"));
  QApplication::setApplicationVersion(QStringLiteral(BRENMOR_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.brenmor.Brenmor"));
  frmBrenmor window;
  window.show();
  return QApplication::exec();
}

#include <QApplication>

#include "frmbrenmor.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brenmor"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  frmBrenmor window;
  window.show();
  return QApplication::exec();
}

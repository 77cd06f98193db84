#include <QApplication>
#include <QIcon>

#include "ui/qt/u_main.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvello"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvello.xpm")));

  Tfrmmain frmmain;
  frmmain.show();
  return QApplication::exec();
}

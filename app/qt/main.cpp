#include <QApplication>
#include <QIcon>

#include "ui/qt/u_main.h"
#include "ui/window_layout.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QString::fromUtf8(
      ui::kApplicationTitle.data(), static_cast<qsizetype>(ui::kApplicationTitle.size())));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvello.xpm")));

  Tfrmmain frmmain;
  frmmain.show();
  return QApplication::exec();
}

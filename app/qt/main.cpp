#include <QApplication>
#include <QIcon>

#include "ui/qt/u_main.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_layout.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(Text(ui::kApplicationTitle));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvello.xpm")));

  Tfrmmain frmmain;
  frmmain.show();
  return QApplication::exec();
}

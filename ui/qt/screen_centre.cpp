#include "ui/qt/screen_centre.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window) {
  QRect frame = window->frameGeometry();
  frame.moveCenter(window->screen()->geometry().center());
  window->move(frame.topLeft());
}

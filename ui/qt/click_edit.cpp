#include "ui/qt/click_edit.h"

#include <QMouseEvent>

void ClickEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
}

void ClickEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  if (rect().contains(event->position().toPoint())) emit clicked();
}

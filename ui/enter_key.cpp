#include "ui/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

EnterKeyFilter::EnterKeyFilter(QPushButton* defaultButton, QObject* parent)
    : QObject(parent), defaultButton_(defaultButton) {}

void EnterKeyFilter::Watch(QWidget* control) { control->installEventFilter(this); }

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;

  // The keypad Enter carries the keypad flag; any other modifier means "not a plain Enter".
  if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    auto* focusedButton = qobject_cast<QPushButton*>(watched);
    (focusedButton != nullptr ? focusedButton : defaultButton_)->click();
  }
  return true;
}

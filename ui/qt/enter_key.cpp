#include "ui/qt/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/enter_key.h"

EnterKeyFilter::EnterKeyFilter(QPushButton* defaultButton, QObject* parent)
    : QObject(parent), defaultButton_(defaultButton) {}

void EnterKeyFilter::Watch(QWidget* control) { control->installEventFilter(this); }

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;

  auto* focusedButton = qobject_cast<QPushButton*>(watched);
  // The keypad Enter carries the keypad flag; any other modifier means "not a plain Enter".
  const bool modifierHeld = (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
  switch (ui::ResolveEnter(focusedButton != nullptr, modifierHeld)) {
    case ui::EnterPress::FocusedButton:
      focusedButton->click();
      break;
    case ui::EnterPress::DefaultButton:
      defaultButton_->click();
      break;
    case ui::EnterPress::Nothing:
      break;
  }
  return true;
}

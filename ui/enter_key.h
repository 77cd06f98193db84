#pragma once

#include <QObject>

class QPushButton;
class QWidget;

// Gives a plain window the Enter key of a dialog: Enter presses the focused button, or the
// default button when the focus is in a field. Enter with Shift, Ctrl or Alt presses nothing.
class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QPushButton* defaultButton, QObject* parent);

  void Watch(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* defaultButton_;
};

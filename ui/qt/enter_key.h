#pragma once

#include <QObject>

class QPushButton;
class QWidget;

// Gives a plain window the Enter key of a dialog (see ui/enter_key.h).
class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QPushButton* defaultButton, QObject* parent);

  void Watch(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* defaultButton_;
};

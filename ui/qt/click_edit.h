#pragma once

#include <QLineEdit>

// A single-line edit that reports a click: a left press inside it followed by the release
// of that button inside it.
class ClickEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool leftPressed_ = false;
};

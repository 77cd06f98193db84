#pragma once

#include <QString>
#include <QWidget>

// Tells a screen reader a short text while the focus stays where it is: an object of the
// notification role, out of sight and out of the tab order, named with the text and shown anew
// for each one, which is what screen readers read of a notification. Texts asked for while a
// handler runs are told once it returns, the last of them.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  void Say(const QString& text);

 private:
  void Present();

  QString text_;
  bool pending_ = false;
};

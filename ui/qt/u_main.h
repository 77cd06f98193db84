#pragma once

#include <QWidget>

class Announcer;
class ClickEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

// The program's one window. It holds its controls and passes every user action to the engine.
class Tfrmmain : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrmmain(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void btnfiltClick();
  void btncopyClick();
  void btncloseClick();
  void edtcodeChange();
  void edtcodeClick();

  void SelectInResult(int start, int length);

  QLabel* lbljushu;
  QPlainTextEdit* memcode;
  QLabel* Label1;
  QLabel* Label2;
  ClickEdit* edtcode;
  QLineEdit* edtdj;
  QPushButton* btnfilt;
  QPushButton* btncopy;
  QPushButton* btnclose;
  Announcer* announcer;
};

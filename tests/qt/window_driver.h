#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/qt/u_main.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_layout.h"

// The real main window, opened and driven as a user would.
class WindowDriver {
 public:
  // What the program's start-up sets, less quitting when a test's window closes.
  static void PrepareApplication() {
    QApplication::setApplicationDisplayName(Text(ui::kApplicationTitle));
    QApplication::setQuitOnLastWindowClosed(false);
  }

  [[nodiscard]] bool Open() {
    window_ = std::make_unique<Tfrmmain>();
    window_->show();
    return QTest::qWaitForWindowActive(window_.get());
  }
  void Close() { window_.reset(); }

  Tfrmmain* get() const { return window_.get(); }
  Tfrmmain* operator->() const { return window_.get(); }

  template <typename Control>
  Control* find(const char* name) const {
    return window_->findChild<Control*>(QString::fromLatin1(name));
  }
  QString list() const { return find<QPlainTextEdit>("memcode")->toPlainText(); }
  void pressFilter() const { QTest::mouseClick(find<QPushButton>("btnfilt"), Qt::LeftButton); }

  // Once the next modal box is open, shows it to `inspect` and then presses `key` in it.
  static void AnswerNextBox(QObject* context, Qt::Key key,
                            std::function<void(const QMessageBox&)> inspect) {
    QTimer::singleShot(0, context, [key, inspect = std::move(inspect)] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      inspect(*box);
      QTest::keyClick(box, key);
    });
  }

 private:
  std::unique_ptr<Tfrmmain> window_;
};

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "tests/qt/window_driver.h"
#include "tests/window_cases.h"

namespace {

constexpr int kResultLength = cases::kResultLength;
const QString kElsewhere = QStringLiteral("put there by another program");

QStringList Steps(const cases::Steps& steps) {
  QStringList list;
  for (const std::string_view step : steps) list << Text(step);
  return list;
}

// The tables' row names are string literals, so their views end in a NUL.
const char* Row(std::string_view row) { return row.data(); }

// The accessible names a widget has each time it is shown.
class ShowingsSeen : public QObject {
 public:
  explicit ShowingsSeen(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Show)
      names << QAccessible::queryAccessibleInterface(widget_)->text(QAccessible::Name);
    return false;
  }
  QStringList names;

 private:
  QWidget* widget_;
};

bool CentredOnScreen(const QWidget* window) {
  const QPoint offset = window->frameGeometry().center() - window->screen()->geometry().center();
  return offset.manhattanLength() <= 2;
}

// What the rejection box showed while it was open.
struct BoxSeen {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Information;
  QStringList buttons;
  bool centred = false;
  bool busyCursor = true;
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WindowDriver::PrepareApplication(); }
  void init() { QVERIFY(window_.Open()); }
  void cleanup() { window_.Close(); }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("spokenName");
    for (const cases::Control& control : cases::kControls) {
      QTest::newRow(Row(control.row))
          << Text(control.name) << Text(control.text)
          << QRect(control.left, control.top, control.width, control.height)
          << Text(control.spokenName);
    }
  }

  void controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(QString, spokenName);
    window_->resize(800, 600);
    QApplication::processEvents();

    auto* control = window_.find<QWidget>(name.toLatin1().constData());
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    const QVariant shown = control->property("text");
    QCOMPARE(shown.isValid() ? shown.toString() : window_.list(), text);
    QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), spokenName);
  }

  void windowOpens() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tarvello"));
    QCOMPARE(window_->size(), QSize(499, 359));
    QVERIFY(window_->minimumSize() != window_->maximumSize());
    QVERIFY(CentredOnScreen(window_.get()));
    QCOMPARE(QApplication::focusWidget(), window_.find<QWidget>("edtcode"));
    QVERIFY(!window_.find<QWidget>("memcode")->isEnabled());
    QVERIFY(window_.find<QPlainTextEdit>("memcode")->verticalScrollBar()->isVisible());
  }

  void tabOrder() {
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QStringList expected;
    for (const std::string_view name : cases::kTabOrder) expected << Text(name);
    QCOMPARE(visited, expected);
  }

  void filterAccepted_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("start");
    for (const cases::FilterRun& run : cases::kAcceptedRuns) {
      QTest::newRow(Row(run.row)) << Steps(run.before) << Text(run.start);
    }
  }

  void filterAccepted() {
    QFETCH(QStringList, before);
    QFETCH(QString, start);
    perform(before);
    const QString verdict = window_.find<QLineEdit>("edtdj")->text();
    auto* memcode = window_.find<QPlainTextEdit>("memcode");
    Qt::CursorShape cursorWhileShown = Qt::ArrowCursor;
    connect(memcode, &QPlainTextEdit::textChanged, this,
            [&cursorWhileShown] { cursorWhileShown = QGuiApplication::overrideCursor()->shape(); });
    QGuiApplication::setOverrideCursor(Qt::IBeamCursor);

    perform({"filter"});

    QCOMPARE(cursorWhileShown, Qt::WaitCursor);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(window_.list().startsWith(start));
    QCOMPARE(window_.list().size(), kResultLength);
    QCOMPARE(window_.find<QLabel>("lbljushu")->text(), Text(cases::kFilledCaption));
    QCOMPARE(window_.find<QLineEdit>("edtdj")->text(), verdict);
    QCOMPARE(memcode->verticalScrollBar()->value(), 0);
    QVERIFY(!memcode->horizontalScrollBar()->isVisible());
  }

  void filterRejected_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("closeKey");
    for (const cases::RejectedRun& run : cases::kRejectedRuns) {
      QTest::newRow(Row(run.row)) << Steps(run.before)
                                  << int(run.closedWith == cases::BoxKey::Enter ? Qt::Key_Return
                                                                                : Qt::Key_Escape);
    }
  }

  void filterRejected() {
    QFETCH(QStringList, before);
    QFETCH(int, closeKey);
    perform(before);
    window_->move(0, 0);
    const QString listBefore = window_.list();
    const QString captionBefore = window_.find<QLabel>("lbljushu")->text();

    BoxSeen seen;
    closeNextBox(&seen, Qt::Key(closeKey));
    perform({"filter"});

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Tarvello"));
    QCOMPARE(seen.text, Text(cases::kRejection));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{"确定"});
    QVERIFY(seen.centred);
    QVERIFY(!seen.busyCursor);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(window_.find<QLineEdit>("edtcode")->text(), QString());
    QCOMPARE(window_->focusWidget(), window_.find<QWidget>("edtcode"));
    QCOMPARE(window_.list(), listBefore);
    QCOMPARE(window_.find<QLabel>("lbljushu")->text(), captionBefore);
  }

  void copy_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("copied");
    QTest::newRow("after a run") << QStringList{"type 1234", "filter"} << true;
    QTest::newRow("before any run") << QStringList{} << false;
  }

  void copy() {
    QFETCH(QStringList, before);
    QFETCH(bool, copied);
    perform(before);
    QApplication::clipboard()->setText(kElsewhere);

    QTest::mouseClick(window_.find<QPushButton>("btncopy"), Qt::LeftButton);

    const QString clipboard = QApplication::clipboard()->text();
    QCOMPARE(clipboard, copied ? window_.list() : kElsewhere);
    if (copied) QCOMPARE(clipboard.size(), kResultLength);
  }

  void keysAndClicks_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");  // 0: a mouse click on the focused control
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("action");
    auto row = [](const char* row, std::string_view focus, int key, int modifiers,
                  const char* action) {
      QTest::newRow(row) << Text(focus) << key << modifiers << QString(action);
    };
    for (const cases::KeyPress& press : cases::kKeyPresses) {
      const int key = press.key == cases::Key::Return        ? Qt::Key_Return
                      : press.key == cases::Key::KeypadEnter ? Qt::Key_Enter
                                                             : Qt::Key_Escape;
      int modifiers = press.key == cases::Key::KeypadEnter ? int(Qt::KeypadModifier) : 0;
      if (press.modifier == cases::Modifier::Shift) modifiers |= Qt::ShiftModifier;
      if (press.modifier == cases::Modifier::Ctrl) modifiers |= Qt::ControlModifier;
      if (press.modifier == cases::Modifier::Alt) modifiers |= Qt::AltModifier;
      constexpr const char* kActions[] = {"filter", "copy", "close", "nothing"};
      row(Row(press.row), press.focus, key, modifiers, kActions[int(press.action)]);
    }
    row("clicking Filter", "btnfilt", 0, 0, "filter");
    row("clicking Copy", "btncopy", 0, 0, "copy");
    row("clicking Exit", "btnclose", 0, 0, "close");
  }

  void keysAndClicks() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, action);
    perform({"type 1234", "filter"});
    const QString firstList = window_.list();
    QApplication::clipboard()->setText(kElsewhere);
    auto* control = window_.find<QWidget>(focus.toLatin1().constData());
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);

    if (key == 0) {
      QTest::mouseClick(control, Qt::LeftButton);
    } else {
      QTest::keyClick(control, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }

    QCOMPARE(window_.list() != firstList, action == "filter");
    QCOMPARE(QApplication::clipboard()->text() == firstList, action == "copy");
    QCOMPARE(!window_->isVisible(), action == "close");
  }

  void verdict_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("verdict");
    for (const cases::Verdict& verdict : cases::kVerdicts) {
      QTest::newRow(Row(verdict.row)) << Steps(verdict.steps) << Text(verdict.verdict);
    }
  }

  void verdict() {
    QFETCH(QStringList, steps);
    QFETCH(QString, verdict);
    perform(steps);
    QCOMPARE(window_.find<QLineEdit>("edtdj")->text(), verdict);
  }

  void verdictReentry_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("handlerRuns");
    for (const cases::Reentry& reentry : cases::kReentries) {
      QTest::newRow(Row(reentry.row))
          << Steps(reentry.before) << Text(reentry.typed) << reentry.handlerRuns;
    }
  }

  void verdictReentry() {
    QFETCH(QStringList, before);
    QFETCH(QString, typed);
    QFETCH(int, handlerRuns);
    perform(before);
    // The change handler runs once for every change of either field.
    QSignalSpy drawChanges(window_.find<QLineEdit>("edtcode"), &QLineEdit::textChanged);
    QSignalSpy verdictChanges(window_.find<QLineEdit>("edtdj"), &QLineEdit::textChanged);

    QTest::keyClicks(window_.find<QLineEdit>("edtcode"), typed);

    QCOMPARE(drawChanges.count() + verdictChanges.count(), handlerRuns);
  }

  void announcements_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("said");
    for (const cases::Announcement& announcement : cases::kAnnouncements) {
      QStringList said;
      for (const std::string_view text : announcement.said) said << Text(text);
      QTest::newRow(Row(announcement.row))
          << Steps(announcement.before) << Steps(announcement.steps) << said;
    }
  }

  // A screen reader reads a notification each time it is shown, under its name.
  void announcements() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, said);
    perform(before);
    QApplication::processEvents();
    QWidget* notification = nullptr;
    for (auto* child : window_->findChildren<QWidget*>()) {
      if (QAccessible::queryAccessibleInterface(child)->role() == QAccessible::Notification)
        notification = child;
    }
    QVERIFY(notification != nullptr);
    QCOMPARE(notification->focusPolicy(), Qt::NoFocus);
    QVERIFY(notification->size().isEmpty());
    ShowingsSeen seen(notification);

    perform(steps);
    QApplication::processEvents();
    QCOMPARE(seen.names, said);
  }

  // Orca reads a field's text in the runs of its attributes: they must cover it whole.
  void fieldsReadWhole() {
    perform({"type 1234", "filter", "click", "type 0001"});
    for (const auto& [name, text] :
         {std::pair{"edtcode", QStringLiteral("0001")}, std::pair{"edtdj", QStringLiteral("中")}}) {
      auto* field = window_.find<QLineEdit>(name);
      QCOMPARE(field->text(), text);
      QAccessibleTextInterface* spoken =
          QAccessible::queryAccessibleInterface(field)->textInterface();
      QVERIFY(spoken != nullptr);
      QCOMPARE(spoken->text(0, spoken->characterCount()), text);
      int start = -1;
      int end = -1;
      spoken->attributes(int(text.size()) - 1, &start, &end);
      QCOMPARE(std::pair(start, end), std::pair(0, int(text.size())));
    }
  }

  void hitScrolls_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("scrolled");
    for (const cases::Hit& hit : cases::kHits) {
      QTest::newRow(Row(hit.row)) << Text(hit.number) << hit.start << hit.scrolled;
    }
  }

  void hitScrolls() {
    QFETCH(QString, number);
    QFETCH(int, start);
    QFETCH(bool, scrolled);
    perform({"type 1234", "filter", "click", "type " + number});

    auto* memcode = window_.find<QPlainTextEdit>("memcode");
    const QTextCursor selection = memcode->textCursor();
    QCOMPARE(selection.selectionStart(), start);
    QCOMPARE(selection.selectedText(), number);
    QVERIFY(memcode->viewport()->rect().contains(memcode->cursorRect()));
    QCOMPARE(memcode->verticalScrollBar()->value() > 0, scrolled);

    // The selection is set but must not be drawn: the view looks the same without it.
    const QImage withSelection = memcode->viewport()->grab().toImage();
    QTextCursor caret = selection;
    caret.clearSelection();
    memcode->setTextCursor(caret);
    QCOMPARE(memcode->viewport()->grab().toImage(), withSelection);
  }

  void clickToClear_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("verdict");
    constexpr const char* kGestures[] = {"click", "click from Copy", "right click", "drag out",
                                         "tab in"};
    for (const cases::ClickToClear& click : cases::kClicksToClear) {
      QTest::newRow(Row(click.row)) << Steps(click.before) << QString(kGestures[int(click.gesture)])
                                    << Text(click.draw) << Text(click.verdict);
    }
  }

  void clickToClear() {
    QFETCH(QStringList, before);
    QFETCH(QString, gesture);
    QFETCH(QString, draw);
    QFETCH(QString, verdict);
    perform(before);
    auto* edtcode = window_.find<QLineEdit>("edtcode");

    if (gesture == "click") QTest::mouseClick(edtcode, Qt::LeftButton);
    if (gesture == "click from Copy") {
      window_.find<QWidget>("btncopy")->setFocus();
      QTest::mouseClick(edtcode, Qt::LeftButton);
    }
    if (gesture == "right click") QTest::mouseClick(edtcode, Qt::RightButton);
    if (gesture == "drag out") {
      QTest::mousePress(edtcode, Qt::LeftButton);
      QTest::mouseRelease(edtcode, Qt::LeftButton, {}, QPoint(-10, -10));
    }
    if (gesture == "tab in") {
      window_.find<QWidget>("edtdj")->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), edtcode);
    }

    QCOMPARE(edtcode->text(), draw);
    QCOMPARE(window_.find<QLineEdit>("edtdj")->text(), verdict);
  }

 private:
  // Steps as a user takes them: "type X" into the draw field, "dj X" into the verdict field,
  // "back" (Backspace in the draw field), "click" (into the draw field), "filter".
  void perform(const QStringList& steps) {
    auto* edtcode = window_.find<QLineEdit>("edtcode");
    for (const QString& step : steps) {
      if (step.startsWith(QStringLiteral("type "))) QTest::keyClicks(edtcode, step.mid(5));
      if (step.startsWith(QStringLiteral("dj ")))
        QTest::keyClicks(window_.find<QLineEdit>("edtdj"), step.mid(3));
      if (step == QStringLiteral("back")) QTest::keyClick(edtcode, Qt::Key_Backspace);
      if (step == QStringLiteral("click")) QTest::mouseClick(edtcode, Qt::LeftButton);
      if (step == QStringLiteral("filter"))
        QTest::mouseClick(window_.find<QPushButton>("btnfilt"), Qt::LeftButton);
    }
  }

  void closeNextBox(BoxSeen* seen, Qt::Key key) {
    WindowDriver::AnswerNextBox(this, key, [seen](const QMessageBox& box) {
      seen->shown = true;
      seen->title = box.windowTitle();
      seen->text = box.text();
      seen->icon = box.icon();
      for (const QAbstractButton* button : box.buttons()) seen->buttons << button->text();
      seen->centred = CentredOnScreen(&box);
      seen->busyCursor = QGuiApplication::overrideCursor() != nullptr;
    });
  }

  WindowDriver window_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

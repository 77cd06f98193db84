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

namespace {

const QString kFirstRunStart =
    QStringLiteral("0001 0003 0002 0004 0008 0006 0000 0005 0007 0009 0051 0053 ");
const QString kSecondRunStart =
    QStringLiteral("1122 1126 1125 1127 1124 1128 1120 1129 1121 1123 1182 1185 ");
constexpr int kResultLength = 42770;
const QString kElsewhere = QStringLiteral("put there by another program");

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
    auto row = [](const char* row, const char* name, const char* text, QRect geometry,
                  const char* spoken) {
      QTest::newRow(row) << QString(name) << QString(text) << geometry << QString(spoken);
    };
    row("count label", "lbljushu", "缩水结果：", {16, 8, 137, 13}, "缩水结果：");
    row("list", "memcode", "", {16, 24, 249, 321}, "缩水结果：");
    row("draw label", "Label1", "上期开奖：", {296, 192, 73, 13}, "上期开奖：");
    row("verdict label", "Label2", "对奖", {400, 192, 33, 13}, "对奖");
    row("draw field", "edtcode", "", {296, 208, 73, 21}, "上期开奖：");
    row("verdict field", "edtdj", "", {384, 208, 73, 21}, "对奖");
    row("Filter", "btnfilt", "过滤", {296, 240, 75, 25}, "过滤");
    row("Copy", "btncopy", "复制", {296, 280, 75, 25}, "复制");
    row("Exit", "btnclose", "退出", {424, 240, 33, 65}, "退出");
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
    QCOMPARE(visited, QStringList({"btnfilt", "btncopy", "btnclose", "edtdj", "edtcode"}));
  }

  void filterAccepted_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("start");
    QTest::newRow("first run") << QStringList{"type 1234"} << kFirstRunStart;
    QTest::newRow("second run") << QStringList{"type 1234", "filter"} << kSecondRunStart;
    QTest::newRow("run after a hit near the end")
        << QStringList{"type 1234", "filter", "click", "type 5199"} << kSecondRunStart;
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
    QCOMPARE(window_.find<QLabel>("lbljushu")->text(), QStringLiteral("缩水结果：8554注"));
    QCOMPARE(window_.find<QLineEdit>("edtdj")->text(), verdict);
    QCOMPARE(memcode->verticalScrollBar()->value(), 0);
    QVERIFY(!memcode->horizontalScrollBar()->isVisible());
  }

  void filterRejected_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("closeKey");
    QTest::newRow("empty, closed with Enter") << QStringList{} << int(Qt::Key_Return);
    QTest::newRow("empty, closed with Esc") << QStringList{} << int(Qt::Key_Escape);
    QTest::newRow("five digits") << QStringList{"type 12345"} << int(Qt::Key_Return);
    QTest::newRow("letters") << QStringList{"type abcd"} << int(Qt::Key_Escape);
    QTest::newRow("three digits after a run")
        << QStringList{"type 1234", "filter", "click", "type 123"} << int(Qt::Key_Return);
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
    QCOMPARE(seen.text, QStringLiteral("请输入四位数上期开奖号码"));
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
    auto row = [](const char* row, const char* focus, int key, int modifiers, const char* action) {
      QTest::newRow(row) << QString(focus) << key << modifiers << QString(action);
    };
    const int keypad = Qt::KeypadModifier;
    row("Return in the draw field", "edtcode", Qt::Key_Return, 0, "filter");
    row("keypad Enter in the draw field", "edtcode", Qt::Key_Enter, keypad, "filter");
    row("Return in the verdict field", "edtdj", Qt::Key_Return, 0, "filter");
    row("Return on Filter", "btnfilt", Qt::Key_Return, 0, "filter");
    row("Return on Copy", "btncopy", Qt::Key_Return, 0, "copy");
    row("keypad Enter on Exit", "btnclose", Qt::Key_Enter, keypad, "close");
    row("Shift+Return in the draw field", "edtcode", Qt::Key_Return, Qt::ShiftModifier, "nothing");
    row("Ctrl+Return on Filter", "btnfilt", Qt::Key_Return, Qt::ControlModifier, "nothing");
    row("Alt+Return on Copy", "btncopy", Qt::Key_Return, Qt::AltModifier, "nothing");
    row("Shift+keypad Enter in the verdict field", "edtdj", Qt::Key_Enter,
        keypad | Qt::ShiftModifier, "nothing");
    row("Esc in the draw field", "edtcode", Qt::Key_Escape, 0, "nothing");
    row("Esc on Exit", "btnclose", Qt::Key_Escape, 0, "nothing");
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
    const QStringList afterRun{"type 1234", "filter", "click"};
    QTest::newRow("before a run, a draw empties it") << QStringList{"type 1234"} << "";
    QTest::newRow("before a run, typing into it empties it") << QStringList{"dj ab"} << "";
    QTest::newRow("right after the first run it is still empty")
        << QStringList{"type 1234", "filter"} << "";
    QTest::newRow("a kept number hits") << afterRun + QStringList{"type 1234"} << "中";
    QTest::newRow("0000 is kept") << afterRun + QStringList{"type 0000"} << "中";
    QTest::newRow("two big and two odd digits miss") << afterRun + QStringList{"type 5610"} << "X";
    QTest::newRow("letters miss") << afterRun + QStringList{"type abcd"} << "X";
    QTest::newRow("a draw across two entries misses") << afterRun + QStringList{"type 01 0"} << "X";
    QTest::newRow("a shortened draw keeps the verdict")
        << afterRun + QStringList{"type 5610", "back"} << "X";
    QTest::newRow("typing into it with a full draw restores the verdict")
        << afterRun + QStringList{"type 1234", "dj z"} << "中";
    QTest::newRow("typing into it with a short draw stays")
        << afterRun + QStringList{"type 12", "dj ok"} << "ok";
    QTest::newRow("a later run keeps the last verdict")
        << afterRun + QStringList{"type 5610", "filter"} << "X";
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
    const QStringList afterRun{"type 1234", "filter", "click"};
    QTest::newRow("a new miss re-enters once") << afterRun + QStringList{"type 561"} << "0" << 2;
    QTest::newRow("a new hit re-enters once")
        << afterRun + QStringList{"type 5610", "back"} << "1" << 2;
    QTest::newRow("the same verdict again does not re-enter")
        << afterRun + QStringList{"type 5610", "back"} << "0" << 1;
    QTest::newRow("an empty verdict again does not re-enter") << QStringList{} << "1" << 1;
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

  void hitScrolls_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("scrolled");
    QTest::newRow("near the start") << "0000" << 30 << false;
    QTest::newRow("in the middle") << "1234" << 25175 << true;
    QTest::newRow("the last entry") << "5199" << kResultLength - 5 << true;
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
    auto row = [](const char* row, const QStringList& before, const char* gesture, const char* draw,
                  const char* verdict) {
      QTest::newRow(row) << before << QString(gesture) << QString(draw) << QString(verdict);
    };
    const QStringList typed{"type 1234"};
    row("a click empties it", typed, "click", "", "");
    row("a click without the focus empties it", typed, "click from Copy", "", "");
    row("a right click keeps it", typed, "right click", "1234", "");
    row("a release outside keeps it", typed, "drag out", "1234", "");
    row("Tab into it keeps it", typed, "tab in", "1234", "");
    row("after a run the verdict stays", {"type 1234", "filter", "click", "type 5610"}, "click", "",
        "X");
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

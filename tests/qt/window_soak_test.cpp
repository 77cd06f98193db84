#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/qt/window_driver.h"

namespace {

// Sanitizer builds run this many times slower; they ask for fewer presses through the
// environment.
int SoakPresses() {
  bool ok = false;
  const int presses = qEnvironmentVariableIntValue("TARVELLO_WINDOW_SOAK_PRESSES", &ok);
  return ok ? presses : 1000;
}

// Which numbers a list shows, or an empty set if an entry is malformed or repeats.
std::vector<bool> ListedNumbers(const QString& list) {
  std::vector<bool> listed(engine::kCandidateCount, false);
  if (list.size() % engine::kEntryWidth != 0) return {};
  for (qsizetype at = 0; at < list.size(); at += engine::kEntryWidth) {
    bool ok = false;
    const int n = list.mid(at, 4).toInt(&ok);
    if (!ok || list[at + 4] != u' ' || listed[n]) return {};
    listed[n] = true;
  }
  return listed;
}

QString MegabyteOf(const QString& piece) {
  QString text;
  while (text.toUtf8().size() < (1 << 20)) text += piece.repeated(1024);
  return text;
}

}  // namespace

class WindowSoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void manyFilterPresses();
  void megabytePaste_data();
  void megabytePaste();

 private:
  void pressFilterExpectingRejection();

  WindowDriver window_;
};

void WindowSoakTest::initTestCase() { WindowDriver::PrepareApplication(); }

void WindowSoakTest::init() { QVERIFY(window_.Open()); }

void WindowSoakTest::cleanup() { window_.Close(); }

void WindowSoakTest::pressFilterExpectingRejection() {
  bool shown = false;
  WindowDriver::AnswerNextBox(this, Qt::Key_Return, [&shown](const QMessageBox& box) {
    shown = box.text() == Text(engine::kRejectionMessage);
  });
  window_.pressFilter();
  QVERIFY(shown);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

// Every tenth press is rejected, and the draw is checked between presses: none of it may leave
// a trace in the list, the caption, the cursor or the run counter.
void WindowSoakTest::manyFilterPresses() {
  auto* edtcode = window_.find<QLineEdit>("edtcode");
  auto* edtdj = window_.find<QLineEdit>("edtdj");
  auto* lbljushu = window_.find<QLabel>("lbljushu");
  QTest::keyClicks(edtcode, QStringLiteral("1234"));
  window_.pressFilter();
  const std::vector<bool> kept = ListedNumbers(window_.list());
  QCOMPARE(kept.size(), std::size_t(engine::kCandidateCount));

  std::int32_t runs = 1;
  const int presses = SoakPresses();
  for (int press = 1; press < presses; ++press) {
    const QString listBefore = window_.list();
    if (press % 10 == 0) {
      edtcode->setText(QStringLiteral("12a4"));
      pressFilterExpectingRejection();
      QCOMPARE(edtcode->text(), QString());
      QCOMPARE(window_.list(), listBefore);
      QTest::keyClicks(edtcode, QStringLiteral("5610"));
      QCOMPARE(edtdj->text(), QStringLiteral("X"));
      edtcode->setText(QStringLiteral("1234"));
      QCOMPARE(edtdj->text(), QStringLiteral("中"));
      continue;
    }
    window_.pressFilter();
    ++runs;
    QCOMPARE(engine::RunCounter(), runs * engine::kPermutationsPerRun);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(lbljushu->text(), QStringLiteral("缩水结果：8554注"));
    QVERIFY(window_.list() != listBefore);
    QVERIFY2(ListedNumbers(window_.list()) == kept, qPrintable(QString::number(press)));
  }

  // The list is exactly the last run's, and the draw check still finds its entries.
  engine::SetRunCounter(engine::RunCounter() - engine::kPermutationsPerRun);
  QCOMPARE(window_.list(), Text(engine::RunFilter().text));
  edtcode->clear();
  QTest::keyClicks(edtcode, QStringLiteral("0000"));
  QCOMPARE(edtdj->text(), QStringLiteral("中"));
  QCOMPARE(window_.find<QPlainTextEdit>("memcode")->textCursor().selectedText(),
           QStringLiteral("0000"));
}

void WindowSoakTest::megabytePaste_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("pasted");
  const QString digits = MegabyteOf(QStringLiteral("1234 "));
  const QString chinese = MegabyteOf(QStringLiteral("中奖号码"));
  const QString malformed = QString::fromUtf8(QByteArray(1 << 20, '\xE4'));
  QTest::newRow("digits into the draw field") << "edtcode" << digits;
  QTest::newRow("Chinese into the draw field") << "edtcode" << chinese;
  QTest::newRow("undecodable bytes into the draw field") << "edtcode" << malformed;
  QTest::newRow("digits into the verdict field") << "edtdj" << digits;
  QTest::newRow("Chinese into the verdict field") << "edtdj" << chinese;
}

// A megabyte is one more text that does not measure 4: the draw check leaves the verdict
// alone and Filter rejects it, all without a hang.
void WindowSoakTest::megabytePaste() {
  QFETCH(QString, field);
  QFETCH(QString, pasted);
  auto* edtcode = window_.find<QLineEdit>("edtcode");
  auto* edtdj = window_.find<QLineEdit>("edtdj");
  QTest::keyClicks(edtcode, QStringLiteral("5610"));
  window_.pressFilter();
  QCOMPARE(edtdj->text(), QString());
  edtcode->setText(QStringLiteral("123"));  // measures 3: a paste into edtdj stays there
  edtcode->setText(QStringLiteral("1234"));
  QCOMPARE(edtdj->text(), QStringLiteral("中"));
  edtcode->setText(QStringLiteral("123"));
  const QString listBefore = window_.list();
  const std::int32_t counterBefore = engine::RunCounter();

  auto* target = window_.find<QLineEdit>(field.toLatin1().constData());
  target->setFocus();
  target->selectAll();
  QApplication::clipboard()->setText(pasted);
  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  QApplication::processEvents();
  QVERIFY(target->text() == pasted);  // whole: neither field has a length limit
  if (target == edtcode) QCOMPARE(edtdj->text(), QStringLiteral("中"));
  if (target == edtdj) edtcode->setText(edtdj->text());
  pressFilterExpectingRejection();
  QCOMPARE(edtcode->text(), QString());
  QCOMPARE(window_.list(), listBefore);
  QCOMPARE(engine::RunCounter(), counterBefore);
}

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"

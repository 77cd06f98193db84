// Times what a user waits for in the window: a Filter press until the list and its count are
// painted, and one keystroke of the draw check until the verdict (and the scrolled list) is.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "tests/window_cases.h"
#include "ui/qt/u_main.h"

namespace {

// The window after a first Filter press with the draw 1234, the draw field then clicked empty.
class FilteredWindow {
 public:
  FilteredWindow() {
    window_.show();
    (void)QTest::qWaitForWindowExposed(&window_);
    QTest::keyClicks(edtcode(), QStringLiteral("1234"));
    QTest::mouseClick(Find<QPushButton>("btnfilt"), Qt::LeftButton);
    QTest::mouseClick(edtcode(), Qt::LeftButton);
  }

  template <typename Control>
  Control* Find(const char* name) {
    return window_.findChild<Control*>(QString::fromLatin1(name));
  }
  QLineEdit* edtcode() { return Find<QLineEdit>("edtcode"); }
  void Paint() { window_.repaint(); }

 private:
  Tfrmmain window_;
};

void BM_FilterPress(benchmark::State& state) {
  FilteredWindow window;
  QTest::keyClicks(window.edtcode(), QStringLiteral("1234"));
  auto* btnfilt = window.Find<QPushButton>("btnfilt");
  for (auto _ : state) {
    QTest::mouseClick(btnfilt, Qt::LeftButton);
    window.Paint();
  }
}
BENCHMARK(BM_FilterPress)->Unit(benchmark::kMillisecond);

// Types the last digit of `draw` over its first three, starting each time from an empty
// verdict and a list scrolled to the top.
void TimeLastKeystroke(benchmark::State& state, const QString& draw) {
  FilteredWindow window;
  QLineEdit* edtcode = window.edtcode();
  auto* edtdj = window.Find<QLineEdit>("edtdj");
  auto* list = window.Find<QPlainTextEdit>("memcode")->verticalScrollBar();
  QTest::keyClicks(edtcode, draw.left(3));
  const char last = draw.back().toLatin1();
  for (auto _ : state) {
    QTest::keyClick(edtcode, last);
    window.Paint();
    state.PauseTiming();
    QTest::keyClick(edtcode, Qt::Key_Backspace);
    edtdj->setText(QString());
    list->setValue(0);
    window.Paint();
    state.ResumeTiming();
  }
}

void BM_KeystrokeHitNearEnd(benchmark::State& state) {
  TimeLastKeystroke(state, QString::fromLatin1(cases::kLastOfFirstRun));
}
BENCHMARK(BM_KeystrokeHitNearEnd)->Unit(benchmark::kMillisecond);

void BM_KeystrokeMiss(benchmark::State& state) {
  TimeLastKeystroke(state, QString::fromLatin1(cases::kExcludedDraw));
}
BENCHMARK(BM_KeystrokeMiss)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

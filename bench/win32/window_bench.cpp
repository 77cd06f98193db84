// Times what a user waits for in the window: a Filter press until the list and its count are
// painted, and one keystroke of the draw check until the verdict (and the scrolled list) is.

#include <windows.h>

#include <benchmark/benchmark.h>

#include <string_view>

#include "tests/win32/window_driver.h"

namespace {

// The window after a first Filter press with the draw 1234, the draw field then clicked empty.
class FilteredWindow : public WindowDriver {
 public:
  FilteredWindow() { Perform({"type 1234", "filter", "click"}); }
  void Paint() {
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
};

void BM_FilterPress(benchmark::State& state) {
  FilteredWindow window;
  window.Perform({"type 1234"});
  for (auto _ : state) {
    window.Click("btnfilt");
    UpdateWindow(window.window());
  }
}
BENCHMARK(BM_FilterPress)->Unit(benchmark::kMillisecond);

// Types the last digit of `draw` over its first three, starting each time from an empty
// verdict and a list scrolled to the top.
void TimeLastKeystroke(benchmark::State& state, std::string_view draw) {
  FilteredWindow window;
  HWND edtcode = window.control("edtcode");
  HWND memcode = window.control("memcode");
  window.Type(edtcode, draw.substr(0, 3));
  for (auto _ : state) {
    window.Type(edtcode, draw.substr(3));
    UpdateWindow(window.window());
    state.PauseTiming();
    window.Key(edtcode, VK_BACK);
    SetWindowTextW(window.control("edtdj"), L"");
    SendMessageW(memcode, EM_SETSEL, 0, 0);
    SendMessageW(memcode, EM_SCROLLCARET, 0, 0);
    window.Paint();
    state.ResumeTiming();
  }
}

void BM_KeystrokeHitNearEnd(benchmark::State& state) {
  TimeLastKeystroke(state, cases::kLastOfFirstRun);
}
BENCHMARK(BM_KeystrokeHitNearEnd)->Unit(benchmark::kMillisecond);

void BM_KeystrokeMiss(benchmark::State& state) { TimeLastKeystroke(state, cases::kExcludedDraw); }
BENCHMARK(BM_KeystrokeMiss)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "engine/engine.h"

namespace {

void FreshEngine() {
  engine::ResetRunCounter();
  engine::Fill();
}

void BM_RunFilter(benchmark::State& state) {
  FreshEngine();
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::RunFilter());
  }
}
BENCHMARK(BM_RunFilter);

// For comparison only: the same run with each kept entry formatted by snprintf and appended
// to a string that grows as it goes.
void BM_RunFilterWithSnprintf(benchmark::State& state) {
  FreshEngine();
  for (auto _ : state) {
    const engine::DigitPermutation p1 = engine::NextPermutation();
    const engine::DigitPermutation p2 = engine::NextPermutation();
    const engine::DigitPermutation p3 = engine::NextPermutation();
    const engine::DigitPermutation p4 = engine::NextPermutation();
    const engine::OrderList order = engine::BuildOrder(p1, p2, p3, p4);
    engine::ApplyExclusionRule();
    std::string text;
    std::int32_t count = 0;
    for (const std::int32_t n : order) {
      if (engine::IsExcluded(n)) continue;
      char entry[8];
      std::snprintf(entry, sizeof entry, "%.4d ", n);
      text += entry;
      ++count;
    }
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_RunFilterWithSnprintf);

void BM_ValidateDraw(benchmark::State& state) {
  const char* const draws[] = {"1234", "$1AF", "12a4", "中文", ""};
  for (auto _ : state) {
    for (const char* draw : draws) benchmark::DoNotOptimize(engine::ValidateDraw(draw));
  }
}
BENCHMARK(BM_ValidateDraw);

void BM_TextMeasure(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "缩水结果：8554注 abc\xff";
  for (auto _ : state) benchmark::DoNotOptimize(engine::TextMeasure(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_TextMeasure);

std::string FirstRunText() {
  FreshEngine();
  return engine::RunFilter().text;
}

void BM_CheckDrawHitOnLastEntry(benchmark::State& state) {
  const std::string text = FirstRunText();
  const std::string lastEntry = text.substr(text.size() - engine::kEntryWidth, 4);
  for (auto _ : state) benchmark::DoNotOptimize(engine::CheckDraw(text, lastEntry));
}
BENCHMARK(BM_CheckDrawHitOnLastEntry);

void BM_CheckDrawMiss(benchmark::State& state) {
  const std::string text = FirstRunText();
  for (auto _ : state) benchmark::DoNotOptimize(engine::CheckDraw(text, "5610"));
}
BENCHMARK(BM_CheckDrawMiss);

// For comparison only: a plain search for the same missing draw over the same text.
void BM_PlainFindMiss(benchmark::State& state) {
  const std::string text = FirstRunText();
  const std::string draw = "5610";
  for (auto _ : state) benchmark::DoNotOptimize(text.find(draw));
}
BENCHMARK(BM_PlainFindMiss);

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Google Benchmark timings of the core: the readings, Find Factors at its
// worst case, Find Multiples at a million lines, and the list's edits at a
// million lines.

#include <benchmark/benchmark.h>

#include <string>

#include "support/fake_window.h"
#include "modes/find_factors.h"
#include "modes/find_multiples.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

namespace tavrel::bench {
namespace {

constexpr int kMillion = 1'000'000;

// 2147483647 is prime: the trial loop runs its full 46339 divisions.
void BM_FindFactorsLargestPrime(benchmark::State& state)
{
    testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    for (auto _ : state) {
        f.input.setText("2147483647");
        findFactors(f.window);
        benchmark::DoNotOptimize(f.list.count());
    }
}
BENCHMARK(BM_FindFactorsLargestPrime)->Unit(benchmark::kMicrosecond);

const char* const kReadingTexts[] = {"36", " -7.9e2 ", "2147483647.5", "&H7FFFFFFF", "567abc", ""};

void BM_ReadLenient(benchmark::State& state)
{
    const std::string text = kReadingTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(readLenient(text));
    state.SetLabel(text);
}
BENCHMARK(BM_ReadLenient)->DenseRange(0, 5);

void BM_ReadStrict(benchmark::State& state)
{
    const std::string text = kReadingTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(readStrict(text));
    state.SetLabel(text);
}
BENCHMARK(BM_ReadStrict)->DenseRange(0, 2);

void BM_NumberToText(benchmark::State& state)
{
    const double value = state.range(0) == 0 ? 4294967294.0 : 123456789012345678.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(numberToText(value));
}
BENCHMARK(BM_NumberToText)->Arg(0)->Arg(1);

void BM_FindMultiplesMillion(benchmark::State& state)
{
    testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    f.settings.multiples.count = kMillion;
    for (auto _ : state) {
        f.input.setText("7");
        findMultiples(f.window);
        benchmark::DoNotOptimize(f.list.count());
    }
    state.SetItemsProcessed(state.iterations() * kMillion);
    state.SetLabel(std::to_string(f.list.count()) + " lines");
}
BENCHMARK(BM_FindMultiplesMillion)->Unit(benchmark::kMillisecond);

void fillMillion(testing::FakeWindow& f)
{
    f.settings.multiples.count = kMillion;
    f.input.setText("7");
    findMultiples(f.window);
}

// Each removal shortens the list by one line; over a few thousand
// iterations that is well under one percent of a million.
void BM_ResultsListRemoveMiddle(benchmark::State& state)
{
    testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    fillMillion(f);
    for (auto _ : state)
        f.list.remove(static_cast<std::ptrdiff_t>(f.list.count() / 2));
    state.SetLabel(std::to_string(f.list.count()) + " lines left");
}
BENCHMARK(BM_ResultsListRemoveMiddle)->Unit(benchmark::kMicrosecond);

void BM_ResultsListClearMillion(benchmark::State& state)
{
    testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    for (auto _ : state) {
        state.PauseTiming();
        fillMillion(f);
        state.ResumeTiming();
        f.list.clear();
    }
}
BENCHMARK(BM_ResultsListClearMillion)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace
}  // namespace tavrel::bench

BENCHMARK_MAIN();

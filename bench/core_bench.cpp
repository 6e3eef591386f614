// SPDX-License-Identifier: GPL-3.0-or-later
// Google Benchmark timings of the core: the readings, Find Factors, Square
// Roots and Find GCD/HCF at their slowest, Find Multiples at a million lines,
// and the list's edits at a million lines.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/fake_window.h"
#include "modes/find_factors.h"
#include "modes/find_gcd_hcf.h"
#include "modes/find_multiples.h"
#include "modes/square_roots.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

namespace tavrel::bench {
namespace {

constexpr int kMillion = 1'000'000;

// 2147483647 is the slowest input of both modes: a prime, so Find Factors
// runs its full 46339 trial divisions, and square-free, so the square-root
// split tries every square down from its root.
void BM_Largest(benchmark::State& state, void (*mode)(CommandContext&))
{
    testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    for (auto _ : state) {
        f.input.setText("2147483647");
        mode(f.context);
        benchmark::DoNotOptimize(f.list.count());
    }
}
BENCHMARK_CAPTURE(BM_Largest, FindFactors, findFactors)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Largest, SquareRoots, squareRoots)->Unit(benchmark::kMicrosecond);

// OK over a thousand collected numbers, every one read from its line.
void BM_FindGcdOfAThousand(benchmark::State& state)
{
    testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    std::vector<std::string> numbers;
    for (int i = 1; i <= 1000; ++i)
        numbers.push_back(std::to_string(2310 * (i % 13 + 1)));
    for (auto _ : state) {
        state.PauseTiming();
        f.setLines(numbers);
        state.ResumeTiming();
        findGcdHcf(f.context);
        benchmark::DoNotOptimize(f.input.text());
    }
}
BENCHMARK(BM_FindGcdOfAThousand)->Unit(benchmark::kMicrosecond);

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
        findMultiples(f.context);
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
    findMultiples(f.context);
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

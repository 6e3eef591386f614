// SPDX-License-Identifier: GPL-3.0-or-later
// Runs Find Multiples once in the core and prints the elapsed milliseconds.
// Usage: multiples_timer [lines, default 1000000] [number, default 7]
// bench/run.sh sets it beside awk writing the same lines.

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/fake_window.h"
#include "modes/find_multiples.h"

int main(int argc, char** argv)
{
    tavrel::testing::FakeWindow f;
    f.dialogs.answerAnything = true;
    f.settings.multiples.count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    f.input.setText(argc > 2 ? argv[2] : "7");

    const auto start = std::chrono::steady_clock::now();
    tavrel::findMultiples(f.window);
    const auto end = std::chrono::steady_clock::now();

    if (f.list.count() != static_cast<std::size_t>(f.settings.multiples.count)) {
        std::fprintf(stderr, "expected %d lines, got %zu\n", f.settings.multiples.count, f.list.count());
        return 1;
    }
    std::printf("%.2f\n", std::chrono::duration<double, std::milli>(end - start).count());
    return 0;
}

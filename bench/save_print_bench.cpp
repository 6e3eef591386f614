// SPDX-License-Identifier: GPL-3.0-or-later
// Times saving and printing a long list the way the Save and Print commands
// do, for bench/save_print.sh. Usage:
//   save_print_bench lines N FILE   write the saved file's bytes with plain stdio (the input for cat)
//   save_print_bench save N FILE    save N lines through the real file store; prints ms
//   save_print_bench print N FILE   print N lines into a PDF file; prints ms
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "state/results_list.h"
#include "commands/save_list.h"
#include "gui/platform/qt_file_store.h"
#include "gui/platform/qt_printer.h"

using namespace tavrel;

namespace {

void fill(ResultsList& list, long n)
{
    if (!list.append(MultiplesRun{7, 1, 1, n}))
        std::exit(1);
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s lines|save|print N FILE\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const long n = std::atol(argv[2]);
    const std::string file = argv[3];
    ResultsList list;
    fill(list, n);

    if (mode == "lines") {
        std::FILE* out = std::fopen(file.c_str(), "wb");
        if (!out)
            return 1;
        ListFileContent content(list);
        for (std::string_view piece = content.next(); !piece.empty(); piece = content.next())
            std::fwrite(piece.data(), 1, piece.size(), out);
        return std::fclose(out) == 0 ? 0 : 1;
    }
    if (mode == "save") {
        QtFileStore files;
        const auto start = std::chrono::steady_clock::now();
        ListFileContent content(list);
        const bool ok = files.writeWhole(file, [&content] { return content.next(); }, {});
        std::printf("%.2f\n", msSince(start));
        return ok ? 0 : 1;
    }
    if (mode == "print") {
        QApplication app(argc, argv);
        QtPrinter printer(nullptr, {QString::fromStdString(file), SIZE_MAX, 0});
        const auto start = std::chrono::steady_clock::now();
        PrintStatus status = printer.begin({"Courier New", 10, 300}, list.count());
        list.forEachLine(0,
                         [&](std::string_view line) { return (status = printer.printLine(line)) == PrintStatus::Ok; });
        if (status == PrintStatus::Ok)
            status = printer.end();
        std::printf("%.2f\n", msSince(start));
        return status == PrintStatus::Ok ? 0 : 1;
    }
    return 2;
}

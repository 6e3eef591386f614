// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end timing of Find Multiples through the real widgets: types 7 into
// the input box, presses Return and waits until the list view shows the new rows;
// then deletes the middle line and clears the list the same way.
// Usage: e2e_multiples [lines, default 1000000] [range low high]. Prints
// "key value" lines; with a range, "lines" is the count of multiples tried.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <algorithm>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "gui/main_window/main_window.h"

namespace {

long vmRssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

// The view is up to date when it has laid out every row (its scroll range
// covers them) and has painted once more.
bool waitForView(QListView* view, int rows)
{
    QElapsedTimer limit;
    limit.start();
    QScrollBar* bar = view->verticalScrollBar();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (view->model()->rowCount() == rows) {
            const int shown = view->verticalScrollMode() == QAbstractItemView::ScrollPerItem
                                  ? bar->maximum() + bar->pageStep()
                                  : (bar->maximum() + bar->pageStep()) / std::max(1, view->sizeHintForRow(0));
            if (rows == 0 || shown >= rows - 1)
                break;
        }
        if (limit.elapsed() > 60000) {
            std::fprintf(stderr, "the view did not catch up with %d rows\n", rows);
            return false;
        }
    }
    view->viewport()->repaint();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

void print(const char* key, double value) { std::printf("%s %.2f\n", key, value); }

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const bool ranged = argc > 3;
    const tavrel::Range range = ranged ? tavrel::Range{std::atoi(argv[2]), std::atoi(argv[3])} : tavrel::Range{};
    QApplication app(argc, argv);

    tavrel::MainWindow w;
    w.settings().mode = tavrel::Mode::Multiples;
    w.settings().multiples.count = count;
    w.settings().range = range;
    // Multiples of 7 inside the range, or all of them.
    const int lines = ranged ? std::max(0, range.high / 7 - (range.low + 6) / 7 + 1) : count;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 2;
    auto* input = w.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* view = w.findChild<QListView*>(QStringLiteral("List2"));
    if (!input || !view)
        return 2;
    input->setFocus();
    QTest::keyClicks(input, QStringLiteral("7"));
    QTest::qWait(50);

    QElapsedTimer timer;
    const long rssBefore = vmRssKiB();
    timer.start();
    QTest::keyClick(input, Qt::Key_Return);
    if (!waitForView(view, lines))
        return 1;
    const double enterMs = timer.nsecsElapsed() / 1e6;
    const long rssAfter = vmRssKiB();
    if (w.list().count() != static_cast<std::size_t>(lines) || (!ranged && w.list().line(0) != "1 x 7 = 7")) {
        std::fprintf(stderr, "unexpected list: %zu lines\n", w.list().count());
        return 1;
    }
    print("lines", lines);
    print("enter_ms", enterMs);
    print("rss_growth_mib", (rssAfter - rssBefore) / 1024.0);

    // Delete the middle line the way the List menu does: select, remove.
    const int middle = lines / 2;
    view->setCurrentIndex(view->model()->index(middle, 0));
    QCoreApplication::processEvents();
    if (w.list().selectedIndex() != middle)
        w.list().setSelectedIndex(middle);
    timer.restart();
    w.list().remove(w.list().selectedIndex());
    if (!waitForView(view, lines - 1))
        return 1;
    print("delete_ms", timer.nsecsElapsed() / 1e6);

    timer.restart();
    w.list().clear();
    if (!waitForView(view, 0))
        return 1;
    print("clear_ms", timer.nsecsElapsed() / 1e6);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTemporaryDir>

#include "commands/print_list.h"
#include "gui/platform/qt_printer.h"
#include "gui/support/pdf_text.h"
#include "gui/support/test_main.h"
#include "support/fake_window.h"

using namespace tavrel;
using namespace tavrel::testing;

namespace {

// Lines as several modes leave them, blank ones included.
std::vector<std::string> sampleLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        switch (i % 5) {
        case 0: lines.push_back(std::to_string(i) + " x 7 = " + std::to_string(7 * i)); break;
        case 1: lines.push_back("1 x " + std::to_string(i)); break;
        case 2: lines.push_back("ERROR!"); break;
        // Blank lines only on the first page: at a page edge pdftotext cannot see them.
        case 3: lines.push_back(i % 10 == 3 && i < 60 ? std::string() : "It is NOT a prime"); break;
        default: lines.push_back("9 x Square root of " + std::to_string(i)); break;
        }
    }
    return lines;
}

// The lines a page holds: the whole line heights of Courier New 10 pt that
// fit between a top and a bottom margin of 300 twips inside the PDF printer's
// paint area. One more would run into the bottom margin.
int linesPerPage()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    const double lineHeight = QFontMetricsF(font, &printer).lineSpacing();
    const double margin = 300 / 1440.0 * printer.resolution();
    const double height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    return static_cast<int>((height - 2 * margin) / lineHeight);
}

QStringList simplified(const std::vector<std::string>& lines, std::size_t count)
{
    QStringList out;
    for (std::size_t i = 0; i < count; ++i)
        out << QString::fromStdString(lines[i]).simplified();
    return out;
}

// Answers Yes and prints `lines`; returns every message box shown, the question first.
std::vector<ScriptedDialogs::Call> print(const std::vector<std::string>& lines, QtPrinter& printer)
{
    FakeWindow f;
    f.setLines(lines);
    f.dialogs.answer(Answer::Yes);
    printList(f.context, printer);
    return f.dialogs.calls;
}

// Every page's lines in a row; checks on the way that every page but the last
// is equally full and returns that page length.
QStringList readBack(const QString& pdf, int* pageLength, int* pageCount)
{
    const QList<QStringList> pages = pdfPages(pdf);
    *pageCount = static_cast<int>(pages.size());
    *pageLength = pages.isEmpty() ? 0 : static_cast<int>(pages.first().size());
    QStringList all;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const QString& line : pages[p])
            all << line.simplified();
        // A blank list line at a page's end cannot be seen, so the lengths
        // are compared only where the page ends in text.
        if (p + 1 < pages.size() && !pages[p].last().isEmpty())
            [&] { QCOMPARE(pages[p].size(), *pageLength); }();
    }
    return all;
}

}  // namespace

class PrintPdfTest : public QObject {
    Q_OBJECT
private slots:
    void printsEveryLineInOrder_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("empty list") << 0;
        QTest::newRow("one line") << 1;
        QTest::newRow("one page") << 40;
        QTest::newRow("three pages") << 150;
        QTest::newRow("many pages, with progress") << 3000;
    }
    void printsEveryLineInOrder()
    {
        QFETCH(int, lines);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        const std::vector<std::string> sample = sampleLines(lines);
        QtPrinter printer(nullptr, {pdf, 2000, 0});               // the long list shows progress, left to run
        QCOMPARE(print(sample, printer).size(), std::size_t(1));  // the question, and no failure notice
        int pageLength = 0;
        int pageCount = 0;
        QStringList printed = readBack(pdf, &pageLength, &pageCount);
        while (!printed.isEmpty() && printed.last().isEmpty())
            printed.removeLast();
        QStringList expected = simplified(sample, sample.size());
        while (!expected.isEmpty() && expected.last().isEmpty())
            expected.removeLast();
        QCOMPARE(printed, expected);
        const int perPage = linesPerPage();
        if (lines > perPage)
            QCOMPARE(pageLength, perPage);
        QCOMPARE(pageCount, std::max(1, (lines + perPage - 1) / perPage));  // an empty list is one blank page
    }

    void usesAMonospacedFontNamedLikeCourierNew()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("font.pdf"));
        QtPrinter printer(nullptr, {pdf});
        QCOMPARE(printer.begin({"Courier New", 10, 300}, 1), PrintStatus::Ok);
        QCOMPARE(printer.printLine("1 x 36"), PrintStatus::Ok);
        QCOMPARE(printer.end(), PrintStatus::Ok);
        const QString fonts = popplerOutput(QStringLiteral("pdffonts"), {pdf});
        // fontconfig hands Liberation Mono, metric-compatible, where Courier New is missing.
        QVERIFY2(fonts.contains(QLatin1String("Courier")) || fonts.contains(QLatin1String("LiberationMono")),
                 qPrintable(fonts));
        QCOMPARE(fonts.count(QLatin1Char('\n')), 3);  // header, rule, one font
    }

    void cancelStopsAtAPageBreak()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
        const std::vector<std::string> sample = sampleLines(60000);
        QtPrinter printer(nullptr, {pdf, 0, 0});
        DialogWatch watch;
        bool sawProgress = false;
        watch.expectProgress([&](QProgressDialog* progress) {
            sawProgress = true;
            progress->cancel();
        });

        const auto calls = print(sample, printer);

        QVERIFY(sawProgress);
        QCOMPARE(calls.size(), std::size_t(2));
        const std::string notice = calls[1].prompt;
        QVERIFY2(notice.starts_with("Printing was cancelled. Lines 1 to "), notice.c_str());
        const int stoppedAfter = std::stoi(notice.substr(std::string("Printing was cancelled. Lines 1 to ").size()));

        // Only whole pages went out, each line once, in order.
        int pageLength = 0;
        int pageCount = 0;
        QStringList printed = readBack(pdf, &pageLength, &pageCount);
        QVERIFY(stoppedAfter > 0 && stoppedAfter < 60000);
        QCOMPARE(pageLength, linesPerPage());
        QCOMPARE(stoppedAfter % pageLength, 0);
        QCOMPARE(pageCount, stoppedAfter / pageLength);
        QCOMPARE(printed, simplified(sample, static_cast<std::size_t>(stoppedAfter)));
    }

    void unwritableOutputIsAFailure()
    {
        QtPrinter printer(nullptr, {QStringLiteral("/nonexistent-folder/out.pdf")});
        const auto calls = print({"a"}, printer);
        QCOMPARE(calls.size(), std::size_t(2));
        QCOMPARE(calls[1].prompt, std::string("The list could not be printed."));
    }

    void noDefaultPrinterIsReported()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed here");
        QtPrinter printer(nullptr);
        const auto calls = print({"a"}, printer);
        QCOMPARE(calls.size(), std::size_t(2));
        QCOMPARE(calls[1].prompt, std::string("No printer is installed."));
        QCOMPARE(calls[1].title, std::string("Print"));
    }
};

TAVREL_TEST_MAIN(PrintPdfTest)
#include "print_pdf_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>

#include "gui/support/test_main.h"

#include "gui/main_window/main_window.h"
#include "gui/support/dialog_watch.h"
#include "gui/support/pdf_text.h"

using namespace tavrel;

// Prints through the desktop's real default printer: a CUPS queue that writes
// PDF files, set up around the tests by tests/print/cups-queue.sh.
class CupsPrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void printFromTheMenuBar();

private:
    QString queue_;
    QString out_;
};

void CupsPrintTest::initTestCase()
{
    queue_ = qEnvironmentVariable("TAVREL_CUPS_QUEUE");
    out_ = qEnvironmentVariable("TAVREL_CUPS_OUT");
    if (queue_.isEmpty() || out_.isEmpty()) {
        if (qEnvironmentVariableIsSet("TAVREL_REQUIRE_CUPS"))
            QFAIL("no test print queue, though scripts/test.sh runs as root");
        QSKIP("no test print queue (tests/print/cups-queue.sh needs root and CUPS)");
    }
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue_);
}

void CupsPrintTest::printFromTheMenuBar()
{
    const QStringList before = QDir(out_).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    MainWindow w;
    std::vector<std::string> lines;
    for (int i = 1; i <= 200; ++i) {
        lines.push_back(std::to_string(i) + " x 7 = " + std::to_string(7 * i));
        w.list().append(lines.back());
    }
    testing::DialogWatch watch;
    QString prompt;
    QString title;
    watch.pressButton(QStringLiteral("Yes"), &prompt, &title);

    w.findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();

    QCOMPARE(title, QStringLiteral("Ready to print?"));
    QCOMPARE(prompt, QStringLiteral("Tavrel will now start printing."));
    QVERIFY(watch.allHandled());

    // The job is done when the queue is empty and its PDF has appeared.
    QString pdf;
    auto done = [&] {
        for (const QString& name : QDir(out_).entryList({QStringLiteral("*.pdf")}, QDir::Files))
            if (!before.contains(name))
                pdf = QDir(out_).filePath(name);
        if (pdf.isEmpty())
            return false;
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue_});
        return lpstat.waitForFinished(10000) && lpstat.readAllStandardOutput().trimmed().isEmpty();
    };
    QTRY_VERIFY_WITH_TIMEOUT(done(), 60000);
    QVERIFY(watch.unexpected().isEmpty());

    QStringList printed;
    const QList<QStringList> pages = testing::pdfPages(pdf);
    for (const QStringList& page : pages)
        for (const QString& line : page)
            printed << line.simplified();
    QStringList expected;
    for (const std::string& line : lines)
        expected << QString::fromStdString(line);
    QCOMPARE(printed, expected);
    QCOMPARE(pages.size(), 3);  // about seventy 10 pt lines to an A4 page
    QFile::remove(pdf);
}

TAVREL_TEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"

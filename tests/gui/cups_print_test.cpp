// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPrinterInfo>

#include "gui/support/pdf_text.h"
#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;

// Prints through the desktop's real default printer: a CUPS queue that writes
// PDF files, set up around the tests by tests/print/cups-queue.sh.
class CupsPrintTest : public QObject {
    Q_OBJECT
    QString queue_;
    QString out_;

private slots:
    void initTestCase()
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

    void printFromTheMenuBar()
    {
        const QStringList before = QDir(out_).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        testing::ShownWindow s;
        QStringList lines;
        for (int i = 1; i <= 200; ++i) {
            lines << QStringLiteral("%1 x 7 = %2").arg(i).arg(7 * i);
            QVERIFY(s.w.list().append(lines.back().toStdString()));
        }
        QString prompt, title;
        s.watch.pressButton(QStringLiteral("Yes"), &prompt, &title);

        s.action("mnuPrint")->trigger();

        QCOMPARE(title, QStringLiteral("Ready to print?"));
        QCOMPARE(prompt, QStringLiteral("Tavrel will now start printing."));
        QVERIFY(s.watch.allHandled());

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
        QVERIFY(s.clean());
        QCOMPARE(testing::pdfLines(pdf), lines);
        QCOMPARE(testing::pdfPages(pdf).size(), 3);  // about seventy 10 pt lines to an A4 page
        QFile::remove(pdf);
    }
};

TAVREL_TEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"

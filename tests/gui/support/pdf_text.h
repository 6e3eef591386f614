// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavrel::testing {

// Runs a poppler tool on a PDF and returns what it printed ("" on failure).
inline QString popplerOutput(const QString& tool, QStringList args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page of a PDF, line by line, as pdftotext reads it with
// the layout kept (so blank lines and inner spaces survive). Trailing blanks
// of a line and blank lines at a page's end are dropped.
inline QList<QStringList> pdfPages(const QString& pdf)
{
    const QString text = popplerOutput(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QList<QStringList> pages;
    QStringList raw = text.split(QLatin1Char('\f'));
    if (!raw.isEmpty() && raw.last().trimmed().isEmpty())
        raw.removeLast();  // pdftotext ends the last page with a form feed too
    for (const QString& page : raw) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            QString l = line;
            while (!l.isEmpty() && l.back().isSpace())
                l.chop(1);
            lines << l;
        }
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        pages << lines;
    }
    return pages;
}

// Every printed line of a PDF in a row, blanks inside it squeezed to one.
inline QStringList pdfLines(const QString& pdf)
{
    QStringList all;
    for (const QStringList& page : pdfPages(pdf))
        for (const QString& line : page)
            all << line.simplified();
    return all;
}

}  // namespace tavrel::testing

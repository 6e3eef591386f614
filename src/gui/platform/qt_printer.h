// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "platform/printer.h"

class QPainter;
class QPrinter;
class QProgressDialog;
class QWidget;

namespace tavrel {

// The desktop's default printer through QPrinter and QPainter. Lines go down
// the page from the top margin; when the next one no longer fits, a new page
// begins. A long job shows a progress dialog whose Cancel stops it at the
// next page break.
class QtPrinter : public Printer {
public:
    struct Options {
        QString pdfPath;                       // not empty: print into this PDF file instead
        std::size_t progressThreshold = 2000;  // jobs of more lines show progress...
        int progressDelayMs = 500;             // ...once they have taken this long
    };

    explicit QtPrinter(QWidget* parent) : QtPrinter(parent, Options()) {}
    QtPrinter(QWidget* parent, Options options);
    ~QtPrinter() override;

    PrintStatus begin(const PrintSettings& settings, std::size_t lineCount) override;
    PrintStatus printLine(std::string_view text) override;
    PrintStatus end() override;

private:
    PrintStatus nextPage();
    void release();

    QPointer<QWidget> parent_;
    Options options_;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QProgressDialog> progress_;
    double left_ = 0;
    double top_ = 0;
    double bottom_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    double y_ = 0;
    std::size_t printed_ = 0;
};

}  // namespace tavrel

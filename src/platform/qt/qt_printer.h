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
    explicit QtPrinter(QWidget* parent);
    ~QtPrinter() override;

    // Prints into this PDF file instead of on the default printer.
    void setPdfOutput(const QString& path) { pdfPath_ = path; }
    // Jobs of more lines than this show progress, once they have taken
    // `delayMs` milliseconds.
    void setProgress(std::size_t thresholdLines, int delayMs)
    {
        progressThreshold_ = thresholdLines;
        progressDelayMs_ = delayMs;
    }

    PrintStatus begin(const PrintSettings& settings, std::size_t lineCount) override;
    PrintStatus printLine(std::string_view text) override;
    PrintStatus end() override;

private:
    PrintStatus nextPage();
    void release();

    QPointer<QWidget> parent_;
    QString pdfPath_;
    std::size_t progressThreshold_ = 2000;
    int progressDelayMs_ = 500;

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

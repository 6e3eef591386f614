// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/qt_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "gui/common/progress_dialog.h"

namespace tavrel {

QtPrinter::QtPrinter(QWidget* parent, Options options) : parent_(parent), options_(std::move(options)) {}

QtPrinter::~QtPrinter() { release(); }

void QtPrinter::release()
{
    progress_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    printer_.reset();
}

PrintStatus QtPrinter::begin(const PrintSettings& settings, std::size_t lineCount)
{
    release();
    if (options_.pdfPath.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return PrintStatus::NoPrinter;
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(options_.pdfPath);
    }
    printer_->setDocName(QStringLiteral("Tavrel"));
    printer_->setCreator(QStringLiteral("Tavrel"));

    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        release();
        return PrintStatus::Failed;
    }
    QFont font(QString::fromStdString(settings.fontName));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(settings.fontSize);
    painter_->setFont(font);
    const QFontMetricsF metrics(painter_->font(), printer_.get());
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();

    // The painter's origin is the top left of the printable area.
    const double margin = settings.margin / 1440.0 * printer_->resolution();
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    left_ = margin;
    top_ = margin;
    bottom_ = page.height() - margin;
    y_ = top_;
    printed_ = 0;

    if (lineCount > options_.progressThreshold) {
        progress_ = makeProgressDialog(parent_, QStringLiteral("PrintProgress"), QStringLiteral("Print"),
                                       QStringLiteral("Printing..."),
                                       static_cast<int>(std::min<std::size_t>(lineCount, INT_MAX)),
                                       options_.progressDelayMs);
        progress_->setValue(0);
    }
    return PrintStatus::Ok;
}

PrintStatus QtPrinter::nextPage()
{
    // The user may stop the job between pages, never in the middle of one.
    if (progress_) {
        progress_->setValue(static_cast<int>(std::min<std::size_t>(printed_, INT_MAX)));
        if (progress_->wasCanceled()) {
            // Qt's PDF and CUPS engines cannot abort a job; ending it sends
            // the pages finished so far, and only those.
            const bool thrownAway = printer_->abort();
            release();
            return thrownAway ? PrintStatus::Cancelled : PrintStatus::Stopped;
        }
    }
    if (!printer_->newPage()) {
        printer_->abort();
        release();
        return PrintStatus::Failed;
    }
    y_ = top_;
    return PrintStatus::Ok;
}

PrintStatus QtPrinter::printLine(std::string_view text)
{
    if (!painter_)
        return PrintStatus::Failed;
    if (y_ + lineHeight_ > bottom_ && y_ > top_) {
        const PrintStatus status = nextPage();
        if (status != PrintStatus::Ok)
            return status;
    }
    if (!text.empty())
        painter_->drawText(QPointF(left_, y_ + ascent_),
                           QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    y_ += lineHeight_;
    ++printed_;
    return PrintStatus::Ok;
}

PrintStatus QtPrinter::end()
{
    if (!painter_)
        return PrintStatus::Failed;
    progress_.reset();
    // A job the print system later rejects is not reported back through
    // QPainter: end() says only that the document was handed over.
    const bool ended = painter_->end();
    const bool failed = printer_->printerState() == QPrinter::Error;
    release();
    return ended && !failed ? PrintStatus::Ok : PrintStatus::Failed;
}

}  // namespace tavrel

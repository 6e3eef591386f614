// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/about_window/about_window.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "about/about_load.h"
#include "about/help_file.h"
#include "about/online_help.h"
#include "gui/common/icons.h"
#include "gui/common/named_widget.h"
#include "gui/common/twips.h"

namespace tavrel {
namespace {

constexpr int kClientWidth = 6540;   // twips
constexpr int kClientHeight = 6255;  // twips

QFont sansFont(qreal points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The frame moved up and left just enough to lie within `available`, and not
// at all when it already does. A frame larger than `available` keeps its top
// and left edges inside, so that its title bar can still be reached.
QRect keptWithin(const QRect& frame, const QRect& available)
{
    QRect kept = frame;
    kept.moveRight(std::min(kept.right(), available.right()));
    kept.moveBottom(std::min(kept.bottom(), available.bottom()));
    kept.moveLeft(std::max(kept.left(), available.left()));
    kept.moveTop(std::max(kept.top(), available.top()));
    return kept;
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

AboutWindow::AboutWindow(const AboutValues& values, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      values_(values)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(infoSignIcon());
    setFixedSize(twipsToPixels(this, kClientWidth), twipsToPixels(this, kClientHeight));
    buildControls();

    const AboutContent content = loadAbout(values_);
    setWindowTitle(fromStd(content.caption));
    setAccessibleName(windowTitle());
    baseUrl_ = content.baseUrl;
    heading_->setText(fromStd(content.heading));
    version_->setText(fromStd(content.version));
    releaseDate_->setText(fromStd(content.releaseDate));
    // The file is 8-bit text: one character per byte.
    text_->setPlainText(QString::fromLatin1(content.text.data(), static_cast<qsizetype>(content.text.size())));
}

void AboutWindow::buildControls()
{
    icon_ = named(new QLabel(this), "Picture1", tr("Information"));
    icon_->setGeometry(twipsRect(this, 120, 120, 480, 480));
    icon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon_->setPixmap(infoSignIcon().pixmap(QSize(32, 32)));

    heading_ = named(new QLabel(this), "lblAbout");
    heading_->setGeometry(twipsRect(this, 720, 120, 5775, 375));
    heading_->setFont(sansFont(12, true));

    version_ = named(new QLabel(this), "lblVersion");
    version_->setGeometry(twipsRect(this, 120, 720, 3375, 255));
    version_->setFont(sansFont(9.75, true));

    creator_ = named(new QLabel(QStringLiteral("Created by: quillo"), this), "lblCreator");
    creator_->setGeometry(twipsRect(this, 120, 960, 3375, 255));
    creator_->setFont(sansFont(9.75, true));

    releaseDate_ = named(new QLabel(this), "lbldate");
    releaseDate_->setGeometry(twipsRect(this, 120, 1200, 4815, 255));
    releaseDate_->setFont(sansFont(9.75, true));

    websiteButton_ = named(new QPushButton(QStringLiteral("quillo"), this), "cmd_quillo", tr("quillo website"));
    websiteButton_->setGeometry(twipsRect(this, 5400, 480, 1095, 495));
    // Buttons keep the small regular face, so "Online Help" fits its width.
    websiteButton_->setFont(sansFont(8, false));
    websiteButton_->setToolTip(QStringLiteral("Click here to go to quillo website!"));
    connect(websiteButton_, &QPushButton::clicked, this, &AboutWindow::openWebsite);

    helpButton_ = named(new QPushButton(QStringLiteral("Online &Help"), this), "cmd_Help");
    helpButton_->setGeometry(twipsRect(this, 5400, 960, 1095, 495));
    helpButton_->setFont(sansFont(8, false));
    helpButton_->setToolTip(QStringLiteral("Click here to go to online help!"));
    connect(helpButton_, &QPushButton::clicked, this, &AboutWindow::openOnlineHelp);

    text_ = named(new QPlainTextEdit(this), "Text1", tr("Getting started"));
    text_->setGeometry(twipsRect(this, 0, 1560, 6495, 4695));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(9);
    text_->setFont(mono);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setTabStopDistance(QFontMetricsF(mono).horizontalAdvance(QLatin1Char(' ')) * 8);
}

void AboutWindow::openWebsite() { tavrel::openWebsite(shell_, baseUrl_); }

void AboutWindow::openOnlineHelp() { tavrel::openOnlineHelp(shell_, baseUrl_, values_.helpId); }

AboutWindow* showHelpBeside(QWidget& main, AboutValues& values, const std::string& workDir, QWidget* openAbout)
{
    if (openAbout)
        openAbout->close();
    values.readPath = writeHelpFile(workDir).value_or(std::string());

    // Positions of top-level windows are those of their frames.
    const QRect screen = main.screen()->availableGeometry();
    main.move(screen.left(), main.y());
    auto* about = new AboutWindow(values);
    // Not yet shown, the about window knows no frame of its own; the window
    // manager gives it about the one the main window has.
    const QMargins frame(main.geometry().left() - main.frameGeometry().left(),
                         main.geometry().top() - main.frameGeometry().top(),
                         main.frameGeometry().right() - main.geometry().right(),
                         main.frameGeometry().bottom() - main.geometry().bottom());
    const QRect designed(QPoint(screen.left() + main.frameGeometry().width(), main.frameGeometry().top()),
                         about->size().grownBy(frame));
    about->move(keptWithin(designed, screen).topLeft());
    about->show();
    // Help is asked for to be read: the keyboard goes with it, or Alt+F4
    // would close the main window instead.
    about->raise();
    about->activateWindow();
    return about;
}

}  // namespace tavrel

#include "about/qt/about_window.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "about/about_load.h"
#include "about/help_file.h"
#include "about/online_help.h"
#include "about/qt/icons.h"
#include "app/qt/named_widget.h"
#include "app/qt/twips.h"

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

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

frmAbout::frmAbout(const AboutValues& values, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
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
    BaseURL = content.baseUrl;
    lblAbout->setText(fromStd(content.lblAbout));
    lblVersion->setText(fromStd(content.lblVersion));
    lbldate->setText(fromStd(content.lbldate));
    // The file is 8-bit text: one character per byte.
    Text1->setPlainText(QString::fromLatin1(content.text.data(), static_cast<qsizetype>(content.text.size())));
}

void frmAbout::buildControls()
{
    Picture1 = named(new QLabel(this), "Picture1", tr("Information"));
    Picture1->setGeometry(twipsRect(this, 120, 120, 480, 480));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(infoSignIcon().pixmap(QSize(32, 32)));

    lblAbout = named(new QLabel(this), "lblAbout");
    lblAbout->setGeometry(twipsRect(this, 720, 120, 5775, 375));
    lblAbout->setFont(sansFont(12, true));

    lblVersion = named(new QLabel(this), "lblVersion");
    lblVersion->setGeometry(twipsRect(this, 120, 720, 3375, 255));
    lblVersion->setFont(sansFont(9.75, true));

    lblCreator = named(new QLabel(QStringLiteral("Created by: quillo"), this), "lblCreator");
    lblCreator->setGeometry(twipsRect(this, 120, 960, 3375, 255));
    lblCreator->setFont(sansFont(9.75, true));

    lbldate = named(new QLabel(this), "lbldate");
    lbldate->setGeometry(twipsRect(this, 120, 1200, 4815, 255));
    lbldate->setFont(sansFont(9.75, true));

    cmd_quillo = named(new QPushButton(QStringLiteral("quillo"), this), "cmd_quillo", tr("quillo website"));
    cmd_quillo->setGeometry(twipsRect(this, 5400, 480, 1095, 495));
    // Buttons keep the small regular face, so "Online Help" fits its width.
    cmd_quillo->setFont(sansFont(8, false));
    cmd_quillo->setToolTip(QStringLiteral("Click here to go to quillo website!"));
    connect(cmd_quillo, &QPushButton::clicked, this, &frmAbout::cmd_quillo_Click);

    cmd_Help = named(new QPushButton(QStringLiteral("Online &Help"), this), "cmd_Help");
    cmd_Help->setGeometry(twipsRect(this, 5400, 960, 1095, 495));
    cmd_Help->setFont(sansFont(8, false));
    cmd_Help->setToolTip(QStringLiteral("Click here to go to online help!"));
    connect(cmd_Help, &QPushButton::clicked, this, &frmAbout::cmd_Help_Click);

    Text1 = named(new QPlainTextEdit(this), "Text1", tr("Getting started"));
    Text1->setGeometry(twipsRect(this, 0, 1560, 6495, 4695));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(9);
    Text1->setFont(mono);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabStopDistance(QFontMetricsF(mono).horizontalAdvance(QLatin1Char(' ')) * 8);
}

void frmAbout::cmd_quillo_Click()
{
    tavrel::cmd_quillo_Click(shell_, BaseURL);
}

void frmAbout::cmd_Help_Click()
{
    tavrel::cmd_Help_Click(shell_, BaseURL, values_.AppID);
}

frmAbout* showHelpBeside(QWidget& main, AboutValues& values, const std::string& workDir, QWidget* openAbout)
{
    if (openAbout)
        openAbout->close();
    values.ReadPath = writeHelpFile(workDir).value_or(std::string());

    // Positions of top-level windows are those of their frames.
    const int screenLeft = main.screen()->availableGeometry().left();
    main.move(screenLeft, main.y());
    auto* about = new frmAbout(values);
    about->move(screenLeft + main.frameGeometry().width(), main.frameGeometry().top());
    about->show();
    return about;
}

}  // namespace tavrel

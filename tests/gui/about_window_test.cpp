// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QScreen>

#include "about/about_load.h"
#include "about/help_text.h"
#include "gui/about_window/about_window.h"
#include "gui/common/twips.h"
#include "gui/support/files.h"
#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;
using namespace tavrel::testing;

namespace {

QList<QWidget*> visibleAboutWindows()
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmAbout") && w->isVisible())
            found << w;
    return found;
}

QString expectedViewerText()
{
    return QString::fromLatin1(helpText().c_str()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString viewerText(QWidget* about) { return about->findChild<QPlainTextEdit*>("Text1")->toPlainText(); }

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir scratch_;
    QString tmp_;
    std::optional<ShownWindow> shown_;
    MainWindow* main_ = nullptr;
    QString work_;      // the main window's working folder
    QStringList urls_;  // every address handed to the desktop's browser

    AboutWindow* openHelp()
    {
        shown_->action("mnuAbout")->trigger();
        return qobject_cast<AboutWindow*>(main_->aboutWindow());
    }

public slots:
    void recordUrl(const QUrl& url) { urls_ << url.toString(); }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch_.isValid());
        tmp_ = scratch_.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(tmp_));
        // Private fallback folders land here, where the tests can see them go.
        qputenv("TMPDIR", QFile::encodeName(tmp_));
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    void init()
    {
        shown_.emplace();
        main_ = &shown_->w;
        work_ = shown_->workDir.path();
        main_->move(300, 120);
        urls_.clear();
    }

    void cleanup()
    {
        for (QWidget* w : visibleAboutWindows())
            w->close();
        shown_.reset();
        QTest::qWait(0);
        QCOMPARE(entries(tmp_), QStringList());
    }

    void helpOpensAboutBesideMainWindow()
    {
        AboutWindow* about = openHelp();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(visibleAboutWindows().size(), 1);
        QVERIFY(!about->isModal());
        QVERIFY(!about->parentWidget());

        const QRect screen = main_->screen()->availableGeometry();
        const QRect mainFrame = main_->frameGeometry();
        QCOMPARE(mainFrame.left(), screen.left());
        QCOMPARE(mainFrame.top(), 120);
        QCOMPARE(about->frameGeometry().topLeft(), QPoint(screen.left() + mainFrame.width(), mainFrame.top()));

        QCOMPARE(viewerText(about), expectedViewerText());
        QVERIFY(!QFileInfo::exists(work_ + QStringLiteral("/r_tavrel.txt")));
        QCOMPARE(entries(work_), QStringList());

        // The main window is not blocked: it still takes input.
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(main_->isEnabled());
    }

    void captions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("font");  // family, points and " bold"
        QTest::addColumn<QRect>("twips");
        QTest::newRow("lblAbout") << "About Tavrel"
                                  << "MS Sans Serif 12 bold" << QRect(720, 120, 5775, 375);
        QTest::newRow("lblVersion") << "Version: 6.2"
                                    << "MS Sans Serif 9.75 bold" << QRect(120, 720, 3375, 255);
        QTest::newRow("lblCreator") << "Created by: quillo"
                                    << "MS Sans Serif 9.75 bold" << QRect(120, 960, 3375, 255);
        QTest::newRow("lbldate") << "Release Date: 20th December 2002"
                                 << "MS Sans Serif 9.75 bold" << QRect(120, 1200, 4815, 255);
        QTest::newRow("cmd_quillo") << "quillo"
                                    << "MS Sans Serif 8" << QRect(5400, 480, 1095, 495);
        QTest::newRow("cmd_Help") << "Online &Help"
                                  << "MS Sans Serif 8" << QRect(5400, 960, 1095, 495);
        QTest::newRow("Picture1") << QString() << QString() << QRect(120, 120, 480, 480);
        QTest::newRow("Text1") << QString() << "Courier New 9" << QRect(0, 1560, 6495, 4695);
    }
    void captions()
    {
        QFETCH(QString, text);
        QFETCH(QString, font);
        QFETCH(QRect, twips);
        AboutWindow* about = openHelp();
        QVERIFY(about);
        auto* control = about->findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(control);
        QVERIFY(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty());
        if (!text.isNull())
            QCOMPARE(control->property("text").toString(), text);
        const QFont f = control->font();
        const QString shownFont =
            QStringLiteral("%1 %2%3").arg(f.family()).arg(f.pointSizeF()).arg(f.bold() ? " bold" : "");
        if (!font.isNull())
            QCOMPARE(shownFont, font);
        QCOMPARE(control->geometry(), twipsRect(about, twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void windowKind()
    {
        AboutWindow* about = openHelp();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tavrel"));
        QCOMPARE(about->size(), QSize(twipsToPixels(about, 6540), twipsToPixels(about, 6255)));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        const Qt::WindowFlags flags = about->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        QVERIFY(!about->windowIcon().isNull());
        QVERIFY(!main_->windowIcon().isNull());
        const QImage aboutIcon = about->windowIcon().pixmap(32).toImage();
        QVERIFY(!aboutIcon.isNull());
        QVERIFY(aboutIcon != main_->windowIcon().pixmap(32).toImage());
        auto* picture = about->findChild<QLabel*>(QStringLiteral("Picture1"));
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(32, 32));

        QCOMPARE(about->findChild<QPushButton*>(QStringLiteral("cmd_quillo"))->toolTip(),
                 QStringLiteral("Click here to go to quillo website!"));
        QCOMPARE(about->findChild<QPushButton*>(QStringLiteral("cmd_Help"))->toolTip(),
                 QStringLiteral("Click here to go to online help!"));
        auto* viewer = about->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(viewer->isReadOnly());
        QCOMPARE(viewer->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(viewer->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(viewer->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void occupiedNameSurvives()
    {
        // A link planted under the help file's name, pointing at a user's file:
        // neither may change, and the text must still arrive.
        const QString name = work_ + QStringLiteral("/r_tavrel.txt");
        const QString victim = scratch_.filePath(QStringLiteral("victim"));
        const QByteArray mine("my own words\r\n");
        writeFile(victim, mine);
        QVERIFY(QFile::link(victim, name));

        AboutWindow* about = openHelp();
        QVERIFY(about);
        QCOMPARE(viewerText(about), expectedViewerText());
        QCOMPARE(QFileInfo(name).symLinkTarget(), victim);
        QCOMPARE(readAll(victim), mine);
    }

    void unusableWorkDir_data()
    {
        QTest::addColumn<QString>("workDir");
        QTest::addColumn<bool>("tmpUsable");
        QTest::newRow("below a regular file") << "plain/sub/" << true;
        QTest::newRow("missing directory") << "missing/" << true;
        QTest::newRow("nowhere to write") << "plain/sub/" << false;
    }
    void unusableWorkDir()
    {
        QFETCH(QString, workDir);
        QFETCH(bool, tmpUsable);
        const QString plain = work_ + QStringLiteral("/plain");
        writeFile(plain, {});
        main_->settings().workDir = (work_ + QLatin1Char('/') + workDir).toStdString();
        if (!tmpUsable)
            qputenv("TMPDIR", QFile::encodeName(plain));

        AboutWindow* about = openHelp();
        qputenv("TMPDIR", QFile::encodeName(tmp_));
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 6.2"));
        QCOMPARE(viewerText(about),
                 tmpUsable ? expectedViewerText() : QString::fromLatin1(kHelpTextUnavailable.data()));
    }

    void buttonsOpenAddresses_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("address");
        QTest::newRow("website") << "cmd_quillo"
                                 << "https://quillo.example/";
        QTest::newRow("online help") << "cmd_Help"
                                     << "https://quillo.example/help/tavrel/";
    }
    void buttonsOpenAddresses()
    {
        QFETCH(QString, button);
        QFETCH(QString, address);
        QPointer<AboutWindow> about = openHelp();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QString before = viewerText(about);
        QTest::mouseClick(about->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(urls_, QStringList{address});
        QTest::qWait(0);
        QVERIFY(about && about->isVisible());
        QCOMPARE(viewerText(about), before);
    }

    void failingOpenerChangesNothing()
    {
        // No handler and no opener on the PATH: the shell fails, and that is all.
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(tmp_));
        QPointer<AboutWindow> about = openHelp();
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmd_Help")), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmd_quillo")), Qt::LeftButton);
        qputenv("PATH", path);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
        QTest::qWait(0);
        QVERIFY(about && about->isVisible());
    }

    void helpAgainReopensWithSameValues()
    {
        QPointer<AboutWindow> first = openHelp();
        QVERIFY(first);
        main_->move(500, 200);
        QPointer<AboutWindow> second = openHelp();
        QTRY_VERIFY(!first);
        QCOMPARE(visibleAboutWindows(), QList<QWidget*>{second.data()});
        QCOMPARE(main_->frameGeometry().left(), main_->screen()->availableGeometry().left());
        QCOMPARE(second->frameGeometry().topLeft(), QPoint(main_->frameGeometry().right() + 1, 200));

        // Closed by its close box, then opened again: the same name, version,
        // date and help page.
        second->close();
        QTRY_VERIFY(!second);
        QPointer<AboutWindow> third = openHelp();
        QCOMPARE(third->windowTitle(), QStringLiteral("About Tavrel"));
        QCOMPARE(third->findChild<QLabel*>(QStringLiteral("lbldate"))->text(),
                 QStringLiteral("Release Date: 20th December 2002"));
        QCOMPARE(viewerText(third), expectedViewerText());
        third->openOnlineHelp();
        QCOMPARE(urls_, QStringList{QStringLiteral("https://quillo.example/help/tavrel/")});
        QVERIFY(!QFileInfo::exists(work_ + QStringLiteral("/r_tavrel.txt")));
    }

    void exitClosesAboutFirst()
    {
        QPointer<AboutWindow> about = openHelp();
        QVERIFY(about);
        shown_->action("mnuExit")->trigger();
        QTRY_VERIFY(!about);
        QVERIFY(!main_->isVisible());
    }

    void f1OpensHelp()
    {
        shown_->key(Qt::Key_F1);
        QTRY_VERIFY(main_->aboutWindow());
        QCOMPARE(main_->aboutWindow()->windowTitle(), QStringLiteral("About Tavrel"));
    }
};

TAVREL_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"

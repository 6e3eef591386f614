// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QtTest>

#include "gui/support/test_main.h"

#include "gui/platform/qt_dialogs.h"
#include "gui/support/dialog_watch.h"

using namespace tavrel;
using tavrel::testing::DialogWatch;

Q_DECLARE_METATYPE(tavrel::Buttons)
Q_DECLARE_METATYPE(tavrel::Icon)

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBox_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("expectedIcon");
        QTest::addColumn<int>("expectedButtons");
        const int ok = QMessageBox::Ok, yesNo = QMessageBox::Yes | QMessageBox::No,
                  yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        QTest::newRow("ok-information") << Buttons::Ok << Icon::Information << "OK" << 1
                                        << int(QMessageBox::Information) << ok;
        QTest::newRow("yes-question") << Buttons::YesNo << Icon::Question << "Yes" << 6 << int(QMessageBox::Question)
                                      << yesNo;
        QTest::newRow("no-question") << Buttons::YesNo << Icon::Question << "No" << 7 << int(QMessageBox::Question)
                                     << yesNo;
        QTest::newRow("no-information") << Buttons::YesNo << Icon::Information << "No" << 7
                                        << int(QMessageBox::Information) << yesNo;
        QTest::newRow("cancel-information") << Buttons::YesNoCancel << Icon::Information << "Cancel" << 2
                                            << int(QMessageBox::Information) << yesNoCancel;
        QTest::newRow("yes-exclamation") << Buttons::YesNoCancel << Icon::Exclamation << "Yes" << 6
                                         << int(QMessageBox::Warning) << yesNoCancel;
        QTest::newRow("escape-yesno") << Buttons::YesNo << Icon::Question << "<escape>" << 7
                                      << int(QMessageBox::Question) << yesNo;
    }
    // The real QMessageBox carries exactly the asked buttons and icon, shows
    // a carriage return as a line break and answers with the program's codes.
    void messageBox()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Icon, icon);
        QFETCH(QString, press);
        QFETCH(int, code);
        QFETCH(int, expectedIcon);
        QFETCH(int, expectedButtons);
        DialogWatch watch;
        QString text, title;
        int seenIcon = -1, seenButtons = -1;
        watch.expect([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            seenIcon = box->icon();
            seenButtons = int(box->standardButtons());
            if (press == "<escape>") {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove('&') == press)
                    b->click();
        });
        QtDialogs dialogs(nullptr);
        QCOMPARE(int(dialogs.messageBox("first\rsecond <b>x</b>", buttons, icon, "Title")), code);
        QCOMPARE(text, QStringLiteral("first\nsecond <b>x</b>"));
        QCOMPARE(title, QStringLiteral("Title"));
        QCOMPARE(seenIcon, expectedIcon);
        QCOMPARE(seenButtons, expectedButtons);
        QVERIFY(watch.unexpected().isEmpty());
    }

    void inputBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("result");
        QTest::newRow("typed") << "42" << false << "42";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("cancel gives empty, not the default") << "99" << true << "";
    }
    void inputBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, cancel);
        QFETCH(QString, result);
        DialogWatch watch;
        QString seenDefault;
        watch.typeText(typed, cancel, &seenDefault);
        QtDialogs dialogs(nullptr);
        QCOMPARE(QString::fromStdString(dialogs.inputBox("Enter lower range.", "Enter lower range.", "7")), result);
        QCOMPARE(seenDefault, QStringLiteral("7"));
        QVERIFY(watch.unexpected().isEmpty());
    }
};

TAVREL_TEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"

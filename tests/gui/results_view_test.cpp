// SPDX-License-Identifier: GPL-3.0-or-later
// The results view at the sizes a run of multiples reaches: keys, the mouse
// and a screen reader's table interface must reach every row of two billion.
#include <QAccessible>
#include <QScrollBar>
#include <QStringListModel>

#include "gui/main_window/results_view.h"

#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"
#include "state/mode.h"

using namespace tavrel;

namespace {

constexpr int kMost = 2147483647;

QString multipleOf7(qint64 k) { return QStringLiteral("%1 x 7 = %2").arg(k).arg(7 * k); }

void listMultiplesOf7(testing::ShownWindow& s, int count)
{
    s.w.settings().mode = Mode::Multiples;
    s.w.settings().multiples.count = count;
    s.enter("7");
    QCOMPARE(s.rows(), count);
}

}  // namespace

class ResultsViewTest : public QObject {
    Q_OBJECT
private slots:
    void keysReachEveryRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<QKeyCombination>>("keys");  // pressed after a click on the first line
        // The row then highlighted: from the first or the last row, so many
        // pages (of the view's page step less one) and rows on.
        QTest::addColumn<bool>("fromLast");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("rowsOn");
        using K = QList<QKeyCombination>;
        const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
        QTest::newRow("End") << kMost << K{Qt::Key_End} << true << 0 << 0;
        QTest::newRow("Ctrl+End") << kMost << K{ctrl(Qt::Key_End)} << true << 0 << 0;
        QTest::newRow("End, Up") << kMost << K{Qt::Key_End, Qt::Key_Up} << true << 0 << -1;
        QTest::newRow("End, Down stays") << kMost << K{Qt::Key_End, Qt::Key_Down} << true << 0 << 0;
        QTest::newRow("End, Home") << kMost << K{Qt::Key_End, Qt::Key_Home} << false << 0 << 0;
        QTest::newRow("End, Ctrl+Home") << kMost << K{Qt::Key_End, ctrl(Qt::Key_Home)} << false << 0 << 0;
        QTest::newRow("Up stays") << kMost << K{Qt::Key_Up} << false << 0 << 0;
        QTest::newRow("Down, Down") << 10 << K{Qt::Key_Down, Qt::Key_Down} << false << 0 << 2;
        QTest::newRow("PageDown twice") << kMost << K{Qt::Key_PageDown, Qt::Key_PageDown} << false << 2 << 0;
        QTest::newRow("End, PageUp") << kMost << K{Qt::Key_End, Qt::Key_PageUp} << true << -1 << 0;
        QTest::newRow("PageDown in a short list") << 3 << K{Qt::Key_PageDown} << true << 0 << 0;
    }
    void keysReachEveryRow()
    {
        QFETCH(int, rows);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(bool, fromLast);
        QFETCH(int, pages);
        QFETCH(int, rowsOn);
        testing::ShownWindow s;
        listMultiplesOf7(s, rows);
        QTest::mouseClick(s.list2->viewport(), Qt::LeftButton, {},
                          s.list2->visualRect(s.list2->model()->index(0, 0)).center());
        for (QKeyCombination key : keys)
            QTest::keyClick(s.list2, key.key(), key.keyboardModifiers());

        const qint64 page = s.list2->verticalScrollBar()->pageStep() - 1;
        QVERIFY(page >= 1);
        const qint64 selected = (fromLast ? rows - 1 : 0) + pages * page + rowsOn;
        QCOMPARE(qint64{s.w.list().selectedIndex()}, selected);
        const QModelIndex index = s.list2->model()->index(static_cast<int>(selected), 0);
        QVERIFY(s.list2->viewport()->rect().contains(s.list2->visualRect(index)));  // scrolled into view
        QCOMPARE(s.list2->indexAt(s.list2->visualRect(index).center()), index);
        QCOMPARE(index.data().toString(), multipleOf7(selected + 1));
    }

    // After a delete the arrow keys go on from the deleted line's place, not
    // from the top of two billion rows.
    void keysGoOnFromADeletedLine()
    {
        testing::ShownWindow s;
        listMultiplesOf7(s, kMost);
        const int deleted = 1'000'000'000;
        s.list2->scrollTo(s.list2->model()->index(deleted, 0));
        QTest::mouseClick(s.list2->viewport(), Qt::LeftButton, {},
                          s.list2->visualRect(s.list2->model()->index(deleted, 0)).center());
        QCOMPARE(qint64{s.w.list().selectedIndex()}, qint64{deleted});
        s.watch.pressButton("Yes");
        QTest::keyClick(s.list2, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(s.w.list().selectedIndex(), -1);  // nothing highlighted after a delete
        QTest::keyClick(s.list2, Qt::Key_Down);
        QCOMPARE(qint64{s.w.list().selectedIndex()}, qint64{deleted + 1});
        QCOMPARE(s.line(deleted + 1), multipleOf7(deleted + 3));
        QVERIFY(s.clean());
    }

    // Lines in the middle of a run can be wider than its last: a round
    // product's exponent form is short. The view scrolls to the widest.
    void scrollsToTheWidestLineOfARun()
    {
        testing::ShownWindow s;
        s.w.settings().mode = Mode::Multiples;
        s.w.settings().multiples.count = 2'000'000'000;
        s.enter("-1000000000");
        QCOMPARE(s.line(1'999'999'999), QStringLiteral("2000000000 x -1000000000 = -2E+18"));
        const QString wide = s.line(1'999'999'998);
        QCOMPARE(wide, QStringLiteral("1999999999 x -1000000000 = -1.999999999E+18"));
        const int reach = s.list2->horizontalScrollBar()->maximum() + s.list2->viewport()->width();
        QVERIFY2(reach >= QFontMetrics(s.list2->font()).horizontalAdvance(wide), qPrintable(QString::number(reach)));
    }

    // A view without a model, or one whose model was taken away, must not
    // reach for it when it lays itself out.
    void noModelNoCrash()
    {
        ResultsView view;
        view.show();
        QTest::qWait(10);
        QStringListModel model({"a", "b"});
        view.setModel(&model);
        view.setModel(nullptr);
        model.setStringList({"c"});
        QTest::qWait(10);
        QCOMPARE(view.indexAt(QPoint(1, 1)), QModelIndex());
    }

    void aScreenReaderReadsAndSelectsTheLastOfTwoBillionRows()
    {
        testing::ShownWindow s;
        listMultiplesOf7(s, kMost);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(s.list2);
        QVERIFY(list && list->tableInterface());
        QAccessibleTableInterface* table = list->tableInterface();
        QCOMPARE(table->rowCount(), kMost);
        QCOMPARE(list->childCount(), kMost);
        QAccessibleInterface* last = table->cellAt(kMost - 1, 0);
        QVERIFY(last);
        QCOMPARE(last->text(QAccessible::Name), multipleOf7(kMost));
        QVERIFY(last->state().invisible);  // far below the visible rows

        QVERIFY(table->selectRow(kMost - 1));
        QCOMPARE(qint64{s.w.list().selectedIndex()}, qint64{kMost - 1});
        QCOMPARE(table->selectedRows(), QList<int>{kMost - 1});
        s.list2->scrollTo(s.list2->model()->index(kMost - 1, 0));
        QVERIFY(!table->cellAt(kMost - 1, 0)->state().invisible);
    }
};

TAVREL_TEST_MAIN(ResultsViewTest)
#include "results_view_test.moc"

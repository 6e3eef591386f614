// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

namespace tavrel {

// The results list's view. Every row is as high as the first, so a row's
// place is its number times that height: the view keeps nothing per row, and
// two billion rows show as fast as ten. The scroll bar counts rows, painting
// visits only the rows on screen, and screen readers hear the row numbers
// QListView would give them. Selection, keys and mouse behave as QListView's.
class ResultsView : public QListView {
    Q_OBJECT
public:
    explicit ResultsView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void setModel(QAbstractItemModel* model) override;
    void keyboardSearch(const QString& search) override;

signals:
    // Ctrl+C: the window copies the highlighted line, or nothing.
    void copyRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    QSize viewportSizeHint() const override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    int rowCount() const;
    int topRow() const;
    int fullRowsShown() const;
    int rowAt(int y) const;  // -1 above the rows, rowCount() below them
    void measureRows();

    QList<QMetaObject::Connection> modelConnections_;
    int rowHeight_ = 1;
    int contentWidth_ = 0;
};

}  // namespace tavrel

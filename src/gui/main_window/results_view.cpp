// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main_window/results_view.h"

#include "gui/main_window/results_list_model.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace tavrel {

ResultsView::ResultsView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
}

int ResultsView::rowCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int ResultsView::topRow() const { return verticalScrollBar()->value(); }

int ResultsView::fullRowsShown() const { return std::max(1, viewport()->height() / rowHeight_); }

int ResultsView::rowAt(int y) const
{
    if (y < 0)
        return -1;
    const qint64 row = qint64{topRow()} + y / rowHeight_;
    return static_cast<int>(std::min<qint64>(row, rowCount()));
}

void ResultsView::measureRows()
{
    rowHeight_ = std::max(1, fontMetrics().height());
    contentWidth_ = 0;
    const int rows = rowCount();
    if (rows == 0)
        return;
    // Every row is as high as the first. As wide as the widest: the model
    // names texts that are, so that two billion rows need not be measured.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex first = model()->index(0, modelColumn(), rootIndex());
    const QSize firstSize = itemDelegateForIndex(first)->sizeHint(option, first);
    rowHeight_ = std::max(1, firstSize.height());
    const QFontMetrics metrics(option.font);
    const int margins = firstSize.width() - metrics.horizontalAdvance(first.data().toString());
    QStringList samples = first.data(ResultsListModel::WidthSamplesRole).toStringList();
    if (samples.isEmpty())
        samples << first.data().toString() << model()->index(rows - 1, modelColumn(), rootIndex()).data().toString();
    for (const QString& sample : std::as_const(samples))
        contentWidth_ = std::max(contentWidth_, metrics.horizontalAdvance(sample) + margins);
}

void ResultsView::doItemsLayout()
{
    // QListView's own layout walks every row; measuring two is enough here.
    measureRows();
    QAbstractItemView::doItemsLayout();
}

void ResultsView::setModel(QAbstractItemModel* model)
{
    if (model == this->model())
        return;
    for (const QMetaObject::Connection& connection : std::as_const(modelConnections_))
        disconnect(connection);
    modelConnections_.clear();
    QListView::setModel(model);
    if (!model)
        return;
    // Qt lays out a view after a change only once the event loop runs again;
    // here that costs nothing, and keys pressed meanwhile must find the
    // scroll range and the rows' places already right.
    auto layOut = [this] { doItemsLayout(); };
    modelConnections_ = {connect(model, &QAbstractItemModel::modelReset, this, layOut),
                         connect(model, &QAbstractItemModel::rowsInserted, this, layOut),
                         connect(model, &QAbstractItemModel::rowsRemoved, this, layOut)};
    doItemsLayout();
}

void ResultsView::updateGeometries()
{
    const int shown = fullRowsShown();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setSingleStep(1);
    vertical->setPageStep(shown);
    vertical->setRange(0, std::max(0, rowCount() - shown));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, std::max(0, contentWidth_ - viewport()->width()));
    QAbstractItemView::updateGeometries();
}

QSize ResultsView::viewportSizeHint() const { return QAbstractItemView::viewportSizeHint(); }

int ResultsView::horizontalOffset() const { return horizontalScrollBar()->value(); }

// Rows are placed relative to the top row, so no offset in pixels is needed:
// two billion rows would not fit in one.
int ResultsView::verticalOffset() const { return 0; }

QRect ResultsView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn())
        return {};
    // Far from the screen, a row keeps its side of it without overflowing.
    const qint64 y = (qint64{index.row()} - topRow()) * rowHeight_;
    const int top = static_cast<int>(std::clamp<qint64>(y, -(1 << 28), 1 << 28));
    return QRect(-horizontalOffset(), top, std::max(contentWidth_, viewport()->width()), rowHeight_);
}

QModelIndex ResultsView::indexAt(const QPoint& point) const
{
    const int row = rowAt(point.y());
    if (row < 0 || row >= rowCount() || point.x() < 0 || point.x() >= std::max(contentWidth_, viewport()->width()))
        return {};
    return model()->index(row, modelColumn(), rootIndex());
}

void ResultsView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const int shown = fullRowsShown();
    int top = topRow();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + shown)
            top = row - shown + 1;
        break;
    case PositionAtTop: top = row; break;
    case PositionAtBottom: top = row - shown + 1; break;
    case PositionAtCenter: top = row - shown / 2; break;
    }
    verticalScrollBar()->setValue(top);  // the scroll bar keeps it within range
}

void ResultsView::scrollContentsBy(int, int) { viewport()->update(); }

QModelIndex ResultsView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, modelColumn(), rootIndex());
    const int page = std::max(1, fullRowsShown() - 1);
    qint64 row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious: --row; break;
    case MoveDown:
    case MoveNext: ++row; break;
    case MovePageUp: row -= page; break;
    case MovePageDown: row += page; break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return model()->index(static_cast<int>(std::clamp<qint64>(row, 0, rows - 1)), modelColumn(), rootIndex());
}

void ResultsView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect area = rect.normalized();
    const int first = std::max(0, rowAt(area.top()));
    const int last = std::min(rowCount() - 1, rowAt(area.bottom()));
    QItemSelection selection;
    if (first <= last && area.left() < std::max(contentWidth_, viewport()->width()) && area.right() >= 0)
        selection.select(model()->index(first, modelColumn(), rootIndex()),
                         model()->index(last, modelColumn(), rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion ResultsView::visualRegionForSelection(const QItemSelection& selection) const
{
    // Only the part of each range that is on screen: a range may span
    // millions of rows.
    const int top = topRow();
    const int bottom = top + fullRowsShown();
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || range.left() > modelColumn() || range.right() < modelColumn())
            continue;
        const int first = std::max(range.top(), top);
        const int last = std::min(range.bottom(), bottom);
        if (first <= last)
            region += visualRect(model()->index(first, modelColumn(), rootIndex()))
                          .united(visualRect(model()->index(last, modelColumn(), rootIndex())));
    }
    return region;
}

void ResultsView::paintEvent(QPaintEvent* event)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QModelIndex hover = viewport()->underMouse() ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
                                                       : QModelIndex();
    const QStyle::State state = option.state;
    const QRect area = event->rect();
    const int first = std::max(0, rowAt(area.top()));
    const int last = std::min(rowCount() - 1, rowAt(area.bottom()));
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        if (index == hover)
            option.state |= QStyle::State_MouseOver;
        option.palette.setCurrentColorGroup(isEnabled() ? QPalette::Normal : QPalette::Disabled);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void ResultsView::keyPressEvent(QKeyEvent* event)
{
    // The item view would copy its current row, highlighted or not.
    if (event == QKeySequence::Copy) {
        emit copyRequested();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

// Type-ahead search would read every row that does not match: two billion
// of them freeze the window.
void ResultsView::keyboardSearch(const QString&) {}

// QListView numbers the rows for screen readers from its own layout, which
// this view never builds: row numbers are the accessible child numbers here.
void ResultsView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent focusEvent(this, QAccessible::Focus);
        focusEvent.setChild(current.row());
        QAccessible::updateAccessibility(&focusEvent);
    }
    QAbstractItemView::currentChanged(current, previous);
}

void ResultsView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (QAccessible::isActive()) {
        for (auto [range, kind] :
             {std::pair{selected, QAccessible::SelectionAdd}, std::pair{deselected, QAccessible::SelectionRemove}}) {
            if (range.isEmpty() || range.first().top() < 0)
                continue;
            QAccessibleEvent selectionEvent(this, kind);
            selectionEvent.setChild(range.first().top());
            QAccessible::updateAccessibility(&selectionEvent);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

}  // namespace tavrel

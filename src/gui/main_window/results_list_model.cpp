// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main_window/results_list_model.h"

namespace tavrel {

ResultsListModel::ResultsListModel(ResultsList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(static_cast<int>(list.count()))
{
    list_.setObserver(this);
}

ResultsListModel::~ResultsListModel() { list_.setObserver(nullptr); }

int ResultsListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant ResultsListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
        const std::string line = list_.line(index.row());
        return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    if (role == WidthSamplesRole) {
        QStringList samples;
        for (const std::string& sample : list_.widthSamples())
            samples << QString::fromStdString(sample);
        return samples;
    }
    return {};
}

void ResultsListModel::listReset()
{
    beginResetModel();
    rows_ = static_cast<int>(list_.count());
    endResetModel();
}

void ResultsListModel::linesAppended(std::size_t first, std::size_t last)
{
    beginInsertRows({}, static_cast<int>(first), static_cast<int>(last));
    rows_ = static_cast<int>(list_.count());
    endInsertRows();
}

void ResultsListModel::lineAboutToBeRemoved(std::size_t index)
{
    beginRemoveRows({}, static_cast<int>(index), static_cast<int>(index));
}

void ResultsListModel::lineRemoved(std::size_t)
{
    rows_ = static_cast<int>(list_.count());
    endRemoveRows();
}

}  // namespace tavrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

#include "state/results_list.h"

namespace tavrel {

// Shows the core's results list in a view. Strings are built only for the
// rows on screen, and the view hears one reset per mode run.
class ResultsListModel : public QAbstractListModel, private ResultsListObserver {
    Q_OBJECT
public:
    explicit ResultsListModel(ResultsList& list, QObject* parent = nullptr);
    ~ResultsListModel() override;

    // On any row: texts at least as wide as every row (a QStringList), for
    // a view that measures these instead of every row.
    static constexpr int WidthSamplesRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void listReset() override;
    void linesAppended(std::size_t first, std::size_t last) override;
    void lineAboutToBeRemoved(std::size_t index) override;
    void lineRemoved(std::size_t index) override;

    ResultsList& list_;
    // The row count the view has been told about; it can lag behind the list
    // while a run is in progress, and data() must stay safe meanwhile.
    int rows_ = 0;
};

}  // namespace tavrel

#pragma once

#include "ScoreRec.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

class QTreeView;

namespace quadrell {

// The recorded games of the "Score Board" page, read straight from the loaded records so
// a million of them list and scroll at once.
class ScoreListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ScoreListModel(QObject* parent = nullptr);

    void Show(const std::vector<ScoreRec>* records, std::vector<int> rows, bool allPlayers);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // For each column, a text as wide as its widest cell among the rows shown: the largest
    // number, the longest time or name. One pass over the rows, no text made per row.
    QStringList WidestTexts() const;
    // The columns of `view` wide enough for every cell shown and its heading; never
    // narrower than their first widths.
    static void FitColumns(QTreeView& view);

private:
    const std::vector<ScoreRec>* records_ = nullptr;
    std::vector<int> rows_;
    bool all_ = false;
    static constexpr int kFirstWidths[7] = { 70, 140, 70, 70, 55, 60, 60 };
    QIcon won_;
    QIcon lost_;
};

} // namespace quadrell

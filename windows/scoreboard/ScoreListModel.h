#pragma once

#include "ScoreRec.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

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

private:
    const std::vector<ScoreRec>* records_ = nullptr;
    std::vector<int> rows_;
    bool all_ = false;
    QIcon won_;
    QIcon lost_;
};

} // namespace quadrell

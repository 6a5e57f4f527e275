#include "ScoreListModel.h"

#include "Icons.h"
#include "cScore.h"

namespace quadrell {

ScoreListModel::ScoreListModel(QObject* parent)
    : QAbstractTableModel(parent)
    , won_(Icons::Of(Icons::Glyph::FinishedGame))
    , lost_(Icons::Of(Icons::Glyph::IncompleteGame)) { }

void ScoreListModel::Show(
    const std::vector<ScoreRec>* records, std::vector<int> rows, bool allPlayers) {
    beginResetModel();
    records_ = records;
    rows_ = std::move(rows);
    all_ = allPlayers;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

int ScoreListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScoreListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 7;
}

QVariant ScoreListModel::data(const QModelIndex& index, int role) const {
    if (!records_ || !index.isValid()) return {};
    const ScoreRec& r
        = (*records_)[static_cast<std::size_t>(rows_[static_cast<std::size_t>(index.row())])];
    if (role == Qt::DecorationRole && index.column() == 0) return r.Perc == 100 ? won_ : lost_;
    // What the icon shows, for a screen reader: "3, won".
    if (role == Qt::AccessibleTextRole && index.column() == 0)
        return data(index, Qt::DisplayRole).toString() + QStringLiteral(", ")
            + (r.Perc == 100 ? tr("won") : tr("lost"));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0:
        return all_ ? QVariant(r.Name) : QVariant(index.row() + 1);
    case 1:
        return r.Date.Text();
    case 2:
        return r.GameNo;
    case 3:
        return cScore::ConvertTimeS(r.Time);
    case 4:
        return r.Moves;
    case 5:
        return QString::number(r.Perc) + QStringLiteral(" %");
    default:
        return r.Score;
    }
}

QVariant ScoreListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* titles[] = { QT_TR_NOOP("ID"), QT_TR_NOOP("Date"), QT_TR_NOOP("Game"),
        QT_TR_NOOP("Time"), QT_TR_NOOP("Move"), QT_TR_NOOP("Perc"), QT_TR_NOOP("Points") };
    if (section == 0 && all_) return tr("Players");
    return tr(titles[section]);
}

} // namespace quadrell

#include "ScoreListModel.h"

#include "Icons.h"
#include "TodaysDeal.h"
#include "cScore.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

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
    if (role == Qt::DecorationRole && index.column() == 0) return r.Won() ? won_ : lost_;
    // What the icon shows, for a screen reader: "3, won".
    if (role == Qt::AccessibleTextRole && index.column() == 0)
        return data(index, Qt::DisplayRole).toString() + QStringLiteral(", ")
            + (r.Won() ? tr("won") : tr("lost"));
    // The day's deal, played on its day: marked by colour, said and told on hovering.
    if (index.column() == 2
        && (role == Qt::ForegroundRole || role == Qt::ToolTipRole
            || role == Qt::AccessibleTextRole)) {
        const QDate day = r.Date.Day();
        if (!day.isValid() || r.GameNo != TodaysDeal::NumberFor(day)) return {};
        if (role == Qt::ForegroundRole) return QGuiApplication::palette().color(QPalette::Link);
        if (role == Qt::ToolTipRole) return tr("The day's deal of %1").arg(r.Date.Text());
        return tr("%1, the day's deal").arg(r.GameNo);
    }
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

QStringList ScoreListModel::WidestTexts() const {
    qint32 game = 0, time = 0, moves = 0, points = 0;
    qsizetype longestName = 0;
    const QString* name = nullptr;
    for (const int row : rows_) {
        const ScoreRec& r = (*records_)[static_cast<std::size_t>(row)];
        game = std::max(game, r.GameNo);
        time = std::max(time, r.Time);
        moves = std::max(moves, r.Moves);
        points = std::max(points, r.Score);
        if (all_ && r.Name.size() > longestName) {
            longestName = r.Name.size();
            name = &r.Name;
        }
    }
    const ScoreRec* first
        = rows_.empty() ? nullptr : &(*records_)[static_cast<std::size_t>(rows_.front())];
    return { all_ ? (name ? *name : QString()) : QString::number(rows_.size()),
        first ? first->Date.Text() : QString(), QString::number(game), cScore::ConvertTimeS(time),
        QString::number(moves), QStringLiteral("100 %"), QString::number(points) };
}

void ScoreListModel::FitColumns(QTreeView& view) {
    const auto* model = qobject_cast<const ScoreListModel*>(view.model());
    if (!model) return;
    const QStringList widest = model->WidestTexts();
    const QFontMetrics metrics(view.font());
    const int icon = view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
    // The cell's own margins and a little air, as the view lays a cell out.
    const int margins
        = 2 * view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 12;
    for (int column = 0; column < widest.size(); ++column) {
        const int text
            = metrics.horizontalAdvance(widest[column]) + margins + (column == 0 ? icon + 4 : 0);
        const int heading
            = view.header()->fontMetrics().horizontalAdvance(
                  model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString())
            + margins;
        view.setColumnWidth(column, std::max({ kFirstWidths[column], text, heading }));
    }
}

} // namespace quadrell

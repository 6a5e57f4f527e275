#include "GameListModel.h"

#include "Icons.h"
#include "RatingTask.h"

#include <QLocale>
#include <QSet>

namespace quadrell {

namespace {

// A file's date, written out only when a row is shown: thousands listed are not formatted.
class DateItem final : public QStandardItem {
public:
    QVariant data(int role) const override {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return GameListModel::DateText(
                QStandardItem::data(GameListModel::kSortRole).toDateTime());
        return QStandardItem::data(role);
    }
};

} // namespace

GameListModel::GameListModel(QString ratingsCache, Difficulty::Rater rate, QObject* parent)
    : QStandardItemModel(0, kColumnCount, parent)
    , cache_(std::move(ratingsCache))
    , rate_(std::move(rate)) {
    setHorizontalHeaderLabels({ tr("Game List"), tr("Date"), tr("Moves"), tr("Cards Home"),
        tr("Won"), tr("Difficulty") });
    setSortRole(kSortRole);
}

void GameListModel::Fill(const std::vector<GameListItem>& items) {
    reading_.Cancel();
    rating_.Cancel();
    removeRows(0, rowCount());
    names_.clear();
    numbers_.assign(items.size(), std::nullopt);
    const QIcon finished = Icons::Of(Icons::Glyph::FinishedGame);
    const QIcon incomplete = Icons::Of(Icons::Glyph::IncompleteGame);
    QStringList paths;
    for (const GameListItem& game : items) {
        auto* name = new QStandardItem(game.finished ? finished : incomplete, game.name);
        name->setData(game.path, kPathRole);
        name->setData(game.name.toLower(), kSortRole);
        name->setToolTip(game.path);
        auto* date = new DateItem;
        date->setData(game.created, kSortRole);
        name->setEditable(false);
        date->setEditable(false);
        // The other cells come with the file's figures: a row without them sorts last.
        appendRow({ name, date });
        names_.push_back(name);
        paths << game.path;
    }
    sorted();
    if (items.empty()) {
        emit Finished();
        return;
    }
    reading_.Start(
        [paths, cache = cache_](const std::atomic<bool>* stop) {
            Read read;
            read.games.reserve(static_cast<std::size_t>(paths.size()));
            for (const QString& path : paths) {
                if (stop->load()) break;
                read.games.push_back(GameFileSummary::Read(path));
            }
            read.known = RatingsCache::Load(cache);
            return read;
        },
        [this](const Read& read) { showGames(read); });
}

QString GameListModel::DateText(const QDateTime& when) {
    const QLocale here;
    return here.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + here.toString(when.time(), QLocale::ShortFormat);
}

QString GameListModel::PathOf(const QModelIndex& index) {
    return index.siblingAtColumn(kName).data(kPathRole).toString();
}

void GameListModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    QStandardItemModel::sort(column, order);
}

void GameListModel::sorted() {
    if (sortColumn_ >= 0) QStandardItemModel::sort(sortColumn_, sortOrder_);
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::AccessibleTextRole || index.column() == kName)
        return QStandardItemModel::data(index, role);
    const QString shown = QStandardItemModel::data(index, Qt::DisplayRole).toString();
    if (shown.isEmpty()) return shown; // not read yet
    return tr("%1: %2").arg(headerData(index.column(), Qt::Horizontal).toString(), shown);
}

void GameListModel::setCell(int row, Column column, const QString& text, const QVariant& sortKey) {
    QStandardItem* cell = item(row, column);
    if (!cell) {
        cell = new QStandardItem;
        cell->setEditable(false);
        setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setData(sortKey, kSortRole);
    if (column != kWon && column != kDifficulty)
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void GameListModel::showGames(const Read& read) {
    QSet<qint32> unknown;
    for (std::size_t i = 0; i < read.games.size() && i < names_.size(); ++i) {
        const std::optional<GameFileSummary>& game = read.games[i];
        if (!game) continue; // a damaged file is listed, and says why when opened
        const int row = names_[i]->row();
        numbers_[i] = game->gameNumber;
        setCell(row, kMoves, QString::number(game->moves), game->moves);
        setCell(row, kHome, QString::number(game->cardsHome), game->cardsHome);
        setCell(row, kWon, game->Won() ? tr("Yes") : tr("No"), game->Won());
        if (!read.known.contains(game->gameNumber)) unknown.insert(game->gameNumber);
    }
    showLevels(read.known);
    sorted();
    if (unknown.isEmpty()) {
        emit Finished();
        return;
    }
    rating_.Start(
        [numbers = unknown.values(), cache = cache_, rate = rate_](const std::atomic<bool>* stop) {
            RatingsCache::Levels rated;
            for (const qint32 number : numbers) {
                const auto rating = rate(number, stop);
                if (!rating) return rated; // stopped: the list is gone
                rated.insert(number, rating->level);
            }
            // Kept for the next time, and for the Charts page.
            RatingsCache::Levels all = RatingsCache::Load(cache);
            all.insert(rated);
            RatingsCache::Save(cache, all);
            return rated;
        },
        [this](const RatingsCache::Levels& levels) {
            showLevels(levels);
            sorted();
            emit Finished();
        });
}

void GameListModel::showLevels(const RatingsCache::Levels& levels) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (!numbers_[i]) continue;
        const auto level = levels.find(*numbers_[i]);
        if (level == levels.end()) continue;
        setCell(names_[i]->row(), kDifficulty, RatingTask::Name(*level), Difficulty::Code(*level));
    }
}

} // namespace quadrell

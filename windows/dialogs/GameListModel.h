#pragma once

#include "Difficulty.h"
#include "GameFileSummary.h"
#include "GameLists.h"
#include "LatestTask.h"
#include "RatingsCache.h"

#include <QStandardItemModel>
#include <optional>
#include <vector>

namespace quadrell {

// The games of the Select Game list with what players look for in them: the date, the
// moves, the cards home, won or not and the deal's difficulty. Names and dates are listed at
// once; the files are read, and deals the ratings cache lacks are rated, off the window's
// thread, so a folder of thousands opens as fast as a bare list. Any column sorts.
class GameListModel final : public QStandardItemModel {
    Q_OBJECT
public:
    enum Column { kName, kDate, kMoves, kHome, kWon, kDifficulty, kColumnCount };
    static constexpr int kPathRole = Qt::UserRole;
    static constexpr int kSortRole = Qt::UserRole + 2;

    explicit GameListModel(QString ratingsCache, Difficulty::Rater rate = &Difficulty::RateDeal,
        QObject* parent = nullptr);

    void Fill(const std::vector<GameListItem>& items);
    // A figure is read to a screen reader with its column's name ("Moves: 46"): a row is
    // said cell by cell, where bare numbers would mean nothing.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A file's date as the list shows it: the day and the minute, in the player's language.
    static QString DateText(const QDateTime& when);
    // The game file of a row, whichever column the index is in.
    static QString PathOf(const QModelIndex& index);
    // Files are still being read or deals rated.
    bool Reading() const { return reading_.Running() || rating_.Running(); }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void Finished(); // every column is filled in

private:
    struct Read {
        std::vector<std::optional<GameFileSummary>> games; // in the order listed
        RatingsCache::Levels known;                        // of their deals, from the cache
    };
    void setCell(int row, Column column, const QString& text, const QVariant& sortKey);
    void showGames(const Read& read);
    void showLevels(const RatingsCache::Levels& levels);
    void sorted();

    QString cache_;
    Difficulty::Rater rate_;
    std::vector<QStandardItem*> names_; // the listed games' first cells, in the order listed
    std::vector<std::optional<qint32>> numbers_; // their deals, once their files are read
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    LatestTask<Read> reading_ { this };
    LatestTask<RatingsCache::Levels> rating_ { this };
};

} // namespace quadrell

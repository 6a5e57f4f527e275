#include "DifficultyTally.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace quadrell {

DifficultyTally::DifficultyTally(const std::vector<ScoreRec>& records) {
    QHash<QString, quint32> index;
    QSet<qint32> seen;
    games_.reserve(records.size());
    for (const ScoreRec& r : records) {
        auto it = index.constFind(r.Name);
        if (it == index.cend()) {
            it = index.insert(r.Name, static_cast<quint32>(counts_.names.size()));
            counts_.names << r.Name;
        }
        games_.push_back({ r.GameNo, *it, r.Won() });
        if (!seen.contains(r.GameNo)) {
            seen.insert(r.GameNo);
            firstPlayed_.push_back(r.GameNo);
        }
    }
    std::stable_sort(games_.begin(), games_.end(),
        [](const Game& a, const Game& b) { return a.number < b.number; });
    numbers_ = firstPlayed_;
    std::sort(numbers_.begin(), numbers_.end());
    counted_.assign(numbers_.size(), false);
    counts_.byPlayer.resize(static_cast<std::size_t>(counts_.names.size()));
    counts_.unrated.assign(static_cast<std::size_t>(counts_.names.size()), 0);
    for (const Game& g : games_)
        ++counts_.unrated[g.player];
}

std::vector<qint32> DifficultyTally::AddKnown(const RatingsCache::Levels& levels) {
    std::vector<qint32> unknown;
    for (const qint32 number : firstPlayed_) {
        const auto level = levels.constFind(number);
        if (level == levels.cend())
            unknown.push_back(number);
        else
            Add(number, *level);
    }
    return unknown;
}

void DifficultyTally::Add(qint32 number, Difficulty::Level level) {
    // Counted once: a number rated again adds nothing.
    const auto at = std::lower_bound(numbers_.begin(), numbers_.end(), number);
    if (at == numbers_.end() || *at != number) return;
    const auto slot = static_cast<std::size_t>(at - numbers_.begin());
    if (counted_[slot]) return;
    counted_[slot] = true;
    const auto [from, to]
        = std::equal_range(games_.begin(), games_.end(), Game { number, 0, false },
            [](const Game& a, const Game& b) { return a.number < b.number; });
    for (auto g = from; g != to; ++g) {
        Tally& t = counts_.byPlayer[g->player].at(static_cast<std::size_t>(level));
        ++t.played;
        t.won += g->won ? 1 : 0;
        --counts_.unrated[g->player];
    }
}

template <typename Each>
void DifficultyTally::Counts::forPlayers(const QStringList& players, Each each) const {
    for (qsizetype i = 0; i < names.size(); ++i)
        if (players.isEmpty() || players.contains(names[i])) each(static_cast<std::size_t>(i));
}

DifficultyTally::Classes DifficultyTally::Counts::Of(const QStringList& players) const {
    Classes sum {};
    forPlayers(players, [&](std::size_t i) {
        for (std::size_t c = 0; c < sum.size(); ++c) {
            sum[c].played += byPlayer[i][c].played;
            sum[c].won += byPlayer[i][c].won;
        }
    });
    return sum;
}

qint64 DifficultyTally::Counts::UnratedOf(const QStringList& players) const {
    qint64 sum = 0;
    forPlayers(players, [&](std::size_t i) { sum += unrated[i]; });
    return sum;
}

} // namespace quadrell

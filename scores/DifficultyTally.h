#pragma once

#include "RatingsCache.h"
#include "ScoreRec.h"

#include <QStringList>
#include <array>
#include <vector>

namespace quadrell {

// The score file's games by their deal's difficulty, per player, counted as the deals are
// rated: each rating adds the games of its number at once, so a million games are never
// gone through again while the count goes on.
class DifficultyTally {
public:
    struct Tally {
        qint64 played = 0;
        qint64 won = 0;
        double WinRate() const { return played == 0 ? 0 : 100.0 * won / played; }
        bool operator==(const Tally&) const = default;
    };
    using Classes = std::array<Tally, 5>; // Easy to Not solved
    // What has been counted, per player: small enough to hand to the window often.
    struct Counts {
        QStringList names;
        std::vector<Classes> byPlayer;
        std::vector<qint64> unrated; // games whose deal waits for its rating
        // The games of `players` (everyone's when empty) by class, and how many of them
        // wait for their deal's rating.
        Classes Of(const QStringList& players) const;
        qint64 UnratedOf(const QStringList& players) const;

    private:
        template <typename Each> void forPlayers(const QStringList& players, Each each) const;
    };

    explicit DifficultyTally(const std::vector<ScoreRec>& records);

    // Counts the games of every number `levels` holds; answers the numbers it does not hold,
    // each once, in the order first played.
    std::vector<qint32> AddKnown(const RatingsCache::Levels& levels);
    // Counts the games of `number`, once.
    void Add(qint32 number, Difficulty::Level level);
    const Counts& Counted() const { return counts_; }

private:
    struct Game {
        qint32 number;
        quint32 player;
        bool won;
    };

    Counts counts_;
    std::vector<Game> games_; // by number
    std::vector<qint32> firstPlayed_;
    std::vector<qint32> numbers_; // each once, in order
    std::vector<bool> counted_;   // by numbers_
};

} // namespace quadrell

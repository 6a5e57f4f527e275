#pragma once

#include "GameFile.h"

#include <QString>
#include <optional>

namespace quadrell {

// What a game file's list shows of it: its deal, how far it went and whether it was won,
// worked out by replaying its history on the deal.
struct GameFileSummary {
    qint32 gameNumber = 0;
    int moves = 0;     // the moves the player made, as the history numbers them
    int cardsHome = 0; // on the foundations at the end of the history
    bool Won() const;

    // None when the file cannot be read or is not a game.
    static std::optional<GameFileSummary> Read(const QString& path);
};

} // namespace quadrell

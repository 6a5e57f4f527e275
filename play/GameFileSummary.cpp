#include "GameFileSummary.h"

#include "Card.h"

namespace quadrell {

bool GameFileSummary::Won() const { return cardsHome == kCardCount; }

std::optional<GameFileSummary> GameFileSummary::Read(const QString& path) {
    // Reading checks every step by playing the history, and counts the cards home then.
    const GameFileRead read = GameFile::Read(path);
    if (!read.game) return std::nullopt;
    GameFileSummary summary { read.game->gameNumber, 0, read.cardsHome };
    if (!read.game->entries.empty()) summary.moves = read.game->entries.back().MoveNo;
    return summary;
}

} // namespace quadrell

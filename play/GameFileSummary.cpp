#include "GameFileSummary.h"

#include "Deal.h"
#include "cGame.h"

namespace quadrell {

bool GameFileSummary::Won() const { return cardsHome == kCardCount; }

GameFileSummary GameFileSummary::Of(const GameFileData& game) {
    cGame board = DealtBoard(game.gameNumber);
    for (const TransRecord& e : game.entries)
        board.ApplyStep(e.SrcLoc, e.Destloc);
    GameFileSummary summary { game.gameNumber, 0, 0 };
    if (!game.entries.empty()) summary.moves = game.entries.back().MoveNo;
    // A foundation builds up from the ace: its top card's rank is how many lie there.
    for (Loc home = kFirstFoundation; home <= kLastFoundation; ++home)
        if (const Card top = board.GetCardIndex(home); top != kNoCard)
            summary.cardsHome += rankOf(top);
    return summary;
}

std::optional<GameFileSummary> GameFileSummary::Read(const QString& path) {
    const GameFileRead read = GameFile::Read(path);
    if (!read.game) return std::nullopt;
    return Of(*read.game);
}

} // namespace quadrell

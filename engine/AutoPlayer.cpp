#include "AutoPlayer.h"

#include "Engine.h"
#include "Stacking.h"

namespace quadrell {

void AutoPlayer::AutoPlay() {
    GameState& s = engine_.state();
    for (Loc column = 0; column < kColumns; ++column) {
        const Loc b = s.gBoard.GetBottomCardLocation(column);
        if (b != kNoLoc) TryAutoMove(b);
    }
    for (Loc cell = kFirstCell; cell < kFirstCell + kCells; ++cell)
        TryAutoMove(cell);
    if (s.gGameActive) CheckGameWon();
}

void AutoPlayer::TryAutoMove(Loc location) {
    cGame& board = engine_.state().gBoard;
    const Card c = board.GetCardIndex(location);
    if (c < 0) return;
    // Read once: after a move below, these still describe the card as it was.
    const int suit = suitOf(c);
    const int rank = rankOf(c);
    const int colour = colourOf(c);
    const auto home = static_cast<Loc>(kNotAPlace + suit);
    auto followsHome
        = [&board, home, c] { return followsOnFoundation(c, board.GetCardIndex(home)); };

    if (rank == 1) board.SetLocation(location, home, kModeFollowUp, 0, false);
    if (rank == 2 && followsHome()) board.SetLocation(location, home, kModeFollowUp, 0, false);
    const int lowestOther = GetLowestFoundation(board, colour == 1 ? 2 : 1);
    if (rank < lowestOther + 2 && followsHome())
        board.SetLocation(location, home, kModeFollowUp, 0, false);
}

void AutoPlayer::CheckGameWon() {
    const cGame& board = engine_.state().gBoard;
    if (GetLowestFoundation(board, 2) == 13 && GetLowestFoundation(board, 1) == 13)
        engine_.winListener().GameWonDetected();
}

} // namespace quadrell

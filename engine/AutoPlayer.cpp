#include "AutoPlayer.h"

#include "Engine.h"
#include "Stacking.h"
#include "Steps.h"

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
    const Loc home = foundationOf(c);
    const int otherColour = colourOf(c) == 1 ? 2 : 1;
    if (GoesHomeByItself(c, board.GetCardIndex(home), GetLowestFoundation(board, otherColour)))
        board.SetLocation(location, home, kModeFollowUp, 0, false);
}

void AutoPlayer::CheckGameWon() {
    const cGame& board = engine_.state().gBoard;
    if (GetLowestFoundation(board, 2) == 13 && GetLowestFoundation(board, 1) == 13)
        engine_.winListener().GameWonDetected();
}

} // namespace quadrell

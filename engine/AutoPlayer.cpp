#include "AutoPlayer.h"

#include "Engine.h"
#include "HomeRun.h"
#include "Places.h"
#include "Stacking.h"
#include "Steps.h"

#include <utility>

namespace quadrell {

void AutoPlayer::AutoPlay() {
    GameState& s = engine_.state();
    ++depth_;
    for (const Loc column : allColumns()) {
        const Loc b = s.gBoard.GetBottomCardLocation(column);
        if (b != kNoLoc) TryAutoMove(b);
    }
    for (const Loc cell : allCells())
        TryAutoMove(cell);
    if (s.gGameActive) CheckGameWon();
    --depth_;
    // Once the outermost pass is over, a sure win may finish by itself.
    if (depth_ == 0 && !finishing_ && engine_.options().FinishByItself() == 1 && CanFinish())
        Finish();
}

bool AutoPlayer::CanFinish() const {
    const GameState& s = engine_.state();
    return s.gGameActive && !s.gFinishedView && !StepsHome(s.gBoard).empty();
}

void AutoPlayer::Finish() {
    if (!CanFinish() || finishing_) return;
    GameState& s = engine_.state();
    const std::vector<Step> steps = StepsHome(s.gBoard);
    const MoveRecorder* recorder = engine_.recorder();
    if (recorder != nullptr && recorder->RoomLeft() < static_cast<int>(steps.size())) return;
    finishing_ = true;
    engine_.view().Finishing(static_cast<int>(steps.size()));
    const bool multiMove = std::exchange(s.gMultiMove, true); // no pass between the steps
    std::int32_t mode = kModePlayer;
    for (const Step& step : steps) {
        s.gBoard.SetLocation(step.from, step.to, mode);
        mode = kModeFollowUp;
    }
    s.gMultiMove = multiMove;
    finishing_ = false;
    CheckGameWon();
}

void AutoPlayer::TryAutoMove(Loc location) {
    cGame& board = engine_.state().gBoard;
    const Card c = board.GetCardIndex(location);
    if (c < 0) return;
    const Loc home = foundationOf(c);
    const int otherColour = colourOf(c) == 1 ? 2 : 1;
    if (GoesHomeByItself(c, board.GetCardIndex(home), GetLowestFoundation(board, otherColour)))
        board.SetLocation(location, home, kModeFollowUp);
}

void AutoPlayer::CheckGameWon() {
    const cGame& board = engine_.state().gBoard;
    if (GetLowestFoundation(board, 2) == 13 && GetLowestFoundation(board, 1) == 13)
        engine_.winListener().GameWonDetected();
}

} // namespace quadrell

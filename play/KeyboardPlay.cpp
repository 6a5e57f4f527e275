#include "KeyboardPlay.h"

#include "Engine.h"
#include "PointerInput.h"

#include <algorithm>

namespace quadrell {

void KeyboardPlay::Go(Step step) {
    switch (step) {
    case Step::Left:
        x_ = (x_ + kColumns - 1) % kColumns;
        break;
    case Step::Right:
        x_ = (x_ + 1) % kColumns;
        break;
    case Step::Up:
        top_ = true;
        break;
    case Step::Down:
        top_ = false;
        break;
    }
}

void KeyboardPlay::PlayColumn(int column) {
    top_ = false;
    x_ = std::clamp(column, 0, kColumns - 1);
    Activate();
}

void KeyboardPlay::toTopRow(int first) {
    // From elsewhere the first of the four; on one of them, the next round the four.
    x_ = top_ && x_ >= first && x_ < first + kCells ? first + (x_ - first + 1) % kCells : first;
    top_ = true;
}

void KeyboardPlay::NextCell() { toTopRow(0); }

void KeyboardPlay::NextFoundation() { toTopRow(kCells); }

void KeyboardPlay::SendHome() {
    const Card card = cardAtCursor();
    if (card == kNoCard || isFoundation(Place())) return;
    const GameState& s = engine_.state();
    if (s.gSelected != Place()) {
        if (s.gSelected != kNoLoc) engine_.rules().ClearSelection();
        pointer_.ClickPlace(Place());
    }
    if (s.gSelected == Place()) pointer_.ClickPlace(foundationOf(card));
}

Loc KeyboardPlay::Place() const {
    if (top_)
        return static_cast<Loc>(x_ < kCells ? kFirstCell + x_ : kFirstFoundation + x_ - kCells);
    const auto column = static_cast<Loc>(x_);
    const cGame& board = engine_.state().gBoard;
    return board.GetCardIndex(column) == kNoCard ? column : board.GetBottomCardLocation(column);
}

Card KeyboardPlay::cardAtCursor() const {
    if (!engine_.state().gGameActive) return kNoCard;
    return engine_.state().gBoard.GetCardIndex(Place());
}

void KeyboardPlay::Activate() {
    if (engine_.state().gGameActive) pointer_.ClickPlace(Place());
}

void KeyboardPlay::ActivateTwice() {
    if (const Card card = cardAtCursor(); card != kNoCard) pointer_.CardDoubleClicked(card);
}

void KeyboardPlay::ClearSelection() {
    if (engine_.state().gSelected != kNoLoc) engine_.rules().ClearSelection();
}

std::string KeyboardPlay::WhyNoFinish() const {
    Prompter& p = engine_.prompter();
    const GameState& s = engine_.state();
    if (!s.gGameActive) return p.Translated("KeyboardPlay", "There is no game to finish.");
    if (s.gFinishedView)
        return p.Translated("KeyboardPlay", "A game you watch is not yours to finish.");
    if (engine_.autoPlayer().CanFinish())
        return p.Translated("KeyboardPlay", "Finish waits until the replay stops.");
    return p.Translated(
        "KeyboardPlay", "Finish is not possible yet: not every card left can go home.");
}

} // namespace quadrell

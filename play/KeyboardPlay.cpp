#include "KeyboardPlay.h"

#include "Engine.h"
#include "PointerInput.h"

#include <algorithm>

namespace quadrell {

void KeyboardPlay::Go(Step step) {
    switch (step) {
    case Step::Left:
        x_ = std::max(0, x_ - 1);
        break;
    case Step::Right:
        x_ = std::min(kColumns - 1, x_ + 1);
        break;
    case Step::Up:
        top_ = true;
        break;
    case Step::Down:
        top_ = false;
        break;
    }
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

} // namespace quadrell

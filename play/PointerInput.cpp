#include "PointerInput.h"

#include "Engine.h"
#include "Stacking.h"
#include "cOpt.h"

namespace quadrell {

PointerInput::PointerInput(Engine& engine, const cOpt& options, FlashStarter startFlash)
    : engine_(engine)
    , options_(options)
    , startFlash_(std::move(startFlash)) { }

void PointerInput::flashHint() {
    const GameState& s = engine_.state();
    if (options_.EnableFlash() != 1 || !s.gGameActive || s.gSelected != kNoLoc || !startFlash_)
        return;
    const int moves = s.gBoard.GetPossibleMoves();
    if (moves == 0) startFlash_(100, 7);
    if (moves == 1) startFlash_(300, 2);
}

void PointerInput::CardPressed(Card card, Button button) {
    flashHint();
    GameState& s = engine_.state();
    s.gClickedLoc = s.gBoard.GetLocation(card);
    if (button == Button::Left) {
        MoveRules& rules = engine_.rules();
        switch (cCards::GetStatus(s.gClickedLoc)) {
        case 1:
            rules.CardClicked(s.gClickedLoc);
            break;
        case 2:
            rules.CellCardClicked(s.gClickedLoc);
            break;
        default:
            rules.FoundationClicked(s.gClickedLoc);
            break;
        }
    } else if (button == Button::Right && isColumnPlace(s.gClickedLoc)) {
        engine_.view().BringToFront(card);
    }
}

void PointerInput::CardReleased(Card card, Button button) {
    GameState& s = engine_.state();
    s.gClickedLoc = s.gBoard.GetLocation(card);
    if (button != Button::Right || !isColumnPlace(s.gClickedLoc)) return;
    // The deepest card ends at the very back; those below the looked-at card stay in front.
    const int column = columnOf(s.gClickedLoc);
    for (int row = rowOf(s.gClickedLoc); row >= 0; --row) {
        const Card c = s.gBoard.GetCardIndex(static_cast<Loc>(row * kColumns + column));
        if (c != kNoCard) engine_.view().SendToBack(c);
    }
}

bool PointerInput::ShowsMovePointer(Card card) const {
    const GameState& s = engine_.state();
    const Loc loc = s.gBoard.GetLocation(card);
    if (!isColumnPlace(loc) || !s.gGameActive || s.gSelected == kNoLoc) return false;
    const int n = CountCardsToMove(s.gBoard, s.gSelected, loc);
    return n >= 1 && GetFreeSpace(s.gBoard) >= n - 1;
}

void PointerInput::CardDoubleClicked(Card card) {
    const Loc loc = engine_.state().gBoard.GetLocation(card);
    if (cCards::GetStatus(loc) == 1) engine_.rules().CardDoubleClicked(loc);
}

void PointerInput::CellPictureClicked(int cell) {
    engine_.rules().CellClicked(static_cast<Loc>(kFirstCell + cell));
}

void PointerInput::SurfacePressed(int xTwips, int yTwips) {
    engine_.rules().BackgroundClicked(xTwips, yTwips);
}

} // namespace quadrell

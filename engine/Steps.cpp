#include "Steps.h"

#include "cGame.h"

namespace quadrell {

int BoardPosition::Length(int column) const {
    const Loc bottom = board_.GetBottomCardLocation(static_cast<Loc>(column));
    return bottom == kNoLoc ? 0 : rowOf(bottom) + 1;
}

Card BoardPosition::Top(int column) const {
    const Loc bottom = board_.GetBottomCardLocation(static_cast<Loc>(column));
    return bottom == kNoLoc ? kNoCard : board_.GetCardIndex(bottom);
}

Card BoardPosition::Cell(int index) const {
    return board_.GetCardIndex(static_cast<Loc>(kFirstCell + index));
}

Card BoardPosition::HomeTop(int suit) const {
    return board_.GetCardIndex(static_cast<Loc>(kNotAPlace + suit));
}

bool IsStepSource(const cGame& board, Loc location) {
    const BoardPosition p(board);
    if (isCell(location)) return p.Cell(location - kFirstCell) != kNoCard;
    const int column = columnOf(location);
    return isColumnPlace(location) && p.Length(column) == rowOf(location) + 1;
}

bool IsStep(const cGame& board, Step step, StepKinds kinds) {
    bool found = false;
    ForEachStep(BoardPosition(board), kinds, [&](Step s) { found = found || s == step; });
    return found;
}

} // namespace quadrell

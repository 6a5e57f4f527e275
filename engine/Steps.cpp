#include "Steps.h"

#include "Places.h"
#include "cGame.h"

namespace quadrell {

BoardPosition::BoardPosition(const cGame& board) {
    for (const Loc c : allColumns()) {
        const Loc bottom = board.GetBottomCardLocation(c);
        length_[static_cast<std::size_t>(c)] = bottom == kNoLoc ? 0 : rowOf(bottom) + 1;
        top_[static_cast<std::size_t>(c)] = bottom == kNoLoc ? kNoCard : board.GetCardIndex(bottom);
    }
    for (int i = 0; i < kCells; ++i)
        cell_[static_cast<std::size_t>(i)] = board.GetCardIndex(static_cast<Loc>(kFirstCell + i));
    for (int suit = 1; suit <= 4; ++suit)
        home_[static_cast<std::size_t>(suit - 1)]
            = board.GetCardIndex(static_cast<Loc>(kNotAPlace + suit));
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

#include "CardMover.h"

#include "Engine.h"
#include "Places.h"
#include "Stacking.h"

#include <vector>

namespace quadrell {

void CardMover::Step(Loc source, Loc destination) {
    engine_.state().gBoard.SetLocation(source, destination, kModeFollowUp);
}

Loc CardMover::MoveToEmptyCell(Loc source, std::int32_t mode) {
    cGame& board = engine_.state().gBoard;
    for (const Loc cell : allCells()) {
        if (board.GetCardIndex(cell) == kNoCard) {
            board.SetLocation(source, cell, mode);
            return cell;
        }
    }
    return 0;
}

Loc CardMover::MoveToColumn(Loc source, Loc target, int excluded) {
    cGame& board = engine_.state().gBoard;
    if (target != kNoLoc) {
        board.SetLocation(source, target, kModePlayer);
        return 0;
    }
    for (const Loc column : allColumns()) {
        if (column != excluded && board.GetCardIndex(column) == kNoCard) {
            board.SetLocation(source, column, kModeFollowUp);
            return column;
        }
    }
    return 0;
}

void CardMover::MoveColumn(Loc source, Loc target, int count, int excluded) {
    if (count < 1) return;
    GameState& s = engine_.state();
    s.gMultiMove = true;
    const int free = CountEmptyCells(s.gBoard);
    int groups = count / (free + 1);
    const int rest = count % (free + 1);

    // L[i] follows card i of the run (1 = the exposed card) wherever it is parked.
    std::vector<Loc> L(static_cast<std::size_t>(count) + 1);
    for (int i = 1; i <= count; ++i)
        L[static_cast<std::size_t>(i)] = static_cast<Loc>(source - kColumns * (i - 1));
    auto at = [&L](int i) -> Loc& { return L[static_cast<std::size_t>(i)]; };
    // Only the very first step of the whole move may start a new move number.
    auto cellMode = [](int k) { return k == 1 ? kModePlayer : kModeFollowUp; };

    int k = 0;
    int D = target + kColumns;
    for (int g = 1; g <= groups; ++g) {
        for (int i = 0; i < free; ++i) {
            ++k;
            at(k) = MoveToEmptyCell(at(k), cellMode(k));
        }
        ++k;
        if (g < groups || rest > 0) {
            at(k) = MoveToColumn(at(k), kNoLoc, excluded); // park the group in an empty column
            for (int c = 1; c <= free; ++c) {
                const auto place = static_cast<Loc>(at(k) + kColumns * c);
                Step(at(k - c), place);
                at(k - c) = place;
            }
        } else {
            D = target + kColumns;
            Step(at(k), static_cast<Loc>(D));
        }
    }

    if (rest > 0) {
        for (int i = 0; i < rest - 1; ++i) {
            ++k;
            at(k) = MoveToEmptyCell(at(k), cellMode(k));
        }
        ++k;
        D = target + kColumns;
        Step(at(k), static_cast<Loc>(D));
        for (int i = 0; i < rest - 1; ++i) {
            --k;
            D += kColumns;
            Step(at(k), static_cast<Loc>(D));
        }
    } else {
        for (int i = 0; i < free; ++i) {
            D += kColumns;
            --k;
            Step(at(k), static_cast<Loc>(D));
        }
        --groups; // the last group already stands on the target
    }

    // Bring the parked groups home, the last parked first.
    for (int g = 0; g < groups; ++g) {
        k -= free + 1;
        for (int i = 0; i < free; ++i) {
            at(k) = MoveToEmptyCell(at(k), kModeFollowUp);
            ++k;
        }
        for (int i = 0; i < free + 1 && k >= 1; ++i) {
            D += kColumns;
            Step(at(k), static_cast<Loc>(D));
            --k;
        }
        ++k;
    }

    s.gMultiMove = false;
    engine_.autoPlayer().AutoPlay();
}

} // namespace quadrell

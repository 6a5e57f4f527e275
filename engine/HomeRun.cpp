#include "HomeRun.h"

#include "cGame.h"

namespace quadrell {

namespace {

// A card that can go home now: a column's exposed card, else a cell's.
Loc nextHome(const cGame& board) {
    const auto goes = [&board](Loc from) {
        const Card card = from == kNoLoc ? kNoCard : board.GetCardIndex(from);
        return card != kNoCard && followsOnFoundation(card, board.GetCardIndex(foundationOf(card)));
    };
    for (Loc column = 0; column < kColumns; ++column)
        if (const Loc from = board.GetBottomCardLocation(column); goes(from)) return from;
    for (Loc cell = kFirstCell; cell < kFirstCell + kCells; ++cell)
        if (goes(cell)) return cell;
    return kNoLoc;
}

} // namespace

std::vector<Step> StepsHome(const cGame& board) {
    cGame left = board;
    left.Attach(nullptr); // a sketch: nothing is shown or recorded
    std::vector<Step> steps;
    for (Loc from = nextHome(left); from != kNoLoc; from = nextHome(left)) {
        const Loc home = foundationOf(left.GetCardIndex(from));
        steps.push_back({ from, home });
        left.ApplyStep(from, home);
    }
    if (steps.empty()) return {};
    for (Loc home = kFirstFoundation; home <= kLastFoundation; ++home)
        if (rankOf(left.GetCardIndex(home)) != 13) return {};
    return steps;
}

} // namespace quadrell

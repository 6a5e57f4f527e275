#include "HomeRun.h"

#include "Places.h"
#include "cGame.h"

namespace quadrell {

namespace {

// A card that can go home now: a column's exposed card, else a cell's.
Loc nextHome(const cGame& board) {
    const auto goes = [&board](Loc from) {
        const Card card = from == kNoLoc ? kNoCard : board.GetCardIndex(from);
        return card != kNoCard && followsOnFoundation(card, board.GetCardIndex(foundationOf(card)));
    };
    for (const Loc column : allColumns())
        if (const Loc from = board.GetBottomCardLocation(column); goes(from)) return from;
    for (const Loc cell : allCells())
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
    for (const Loc home : allFoundations())
        if (rankOf(left.GetCardIndex(home)) != 13) return {};
    return steps;
}

} // namespace quadrell

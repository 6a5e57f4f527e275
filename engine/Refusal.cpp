#include "Refusal.h"

#include "Stacking.h"
#include "Steps.h"
#include "cGame.h"

namespace quadrell {

namespace {

Refusal onFoundation(const cGame& board, Loc selected, Loc place) {
    const Card top = board.GetCardIndex(place);
    // An empty foundation takes no card by hand: aces go home by themselves.
    if (top == kNoCard || IsStep(board, { selected, place })) return {};
    const Card moving = board.GetCardIndex(selected);
    if (rankOf(top) == 13) return { Refusal::Rule::FoundationFull, moving, top };
    return { Refusal::Rule::FoundationNext, moving, top };
}

Refusal onColumnCard(const cGame& board, Loc selected, Loc bottom, bool alone) {
    const Card moving = board.GetCardIndex(selected);
    const Card target = board.GetCardIndex(bottom);
    const RunMove run = RunOnto(board, selected, bottom);
    const std::int16_t n = run.cards;
    if (n < 1) {
        const bool lone = alone || isCell(selected) || CountSequenceLinks(board, selected) == -1;
        if (lone && rankOf(moving) == 13) return { Refusal::Rule::KingOnCard, moving, target };
        if (lone) return { Refusal::Rule::Stack, moving, target };
        if (rankOf(target) == 1) return { Refusal::Rule::NothingOnAce, moving, target };
        return { Refusal::Rule::RunDoesNotFit, moving, target };
    }
    if (!run.Fits()) return { Refusal::Rule::Space, moving, target, n - 1, run.room };
    return {};
}

bool ownColumn(Loc selected, Loc place) {
    return isColumnPlace(selected) && isColumnPlace(place) && columnOf(selected) == columnOf(place);
}

} // namespace

Refusal WhyRefused(const cGame& board, Loc selected, Loc place, bool alone) {
    if (selected == kNoLoc || board.GetCardIndex(selected) == kNoCard) return {};
    if (isFoundation(place)) return onFoundation(board, selected, place);
    if (isCell(place)) {
        if (place == selected || board.GetCardIndex(place) == kNoCard) return {};
        return { Refusal::Rule::CellTaken, board.GetCardIndex(selected),
            board.GetCardIndex(place) };
    }
    if (!isColumnPlace(place)) return {};
    const auto first = static_cast<Loc>(columnOf(place));
    if (ownColumn(selected, place) || board.GetCardIndex(first) == kNoCard) return {};
    return onColumnCard(board, selected, board.GetBottomCardLocation(first), alone);
}

bool TakesDrop(const cGame& board, Loc selected, Loc place) {
    if (selected == kNoLoc || board.GetCardIndex(selected) == kNoCard) return false;
    if (place == selected || ownColumn(selected, place)) return false;
    if (isFoundation(place) && board.GetCardIndex(place) == kNoCard) return false;
    if (!isFoundation(place) && !isCell(place) && !isColumnPlace(place)) return false;
    return WhyRefused(board, selected, place).rule == Refusal::Rule::None;
}

} // namespace quadrell

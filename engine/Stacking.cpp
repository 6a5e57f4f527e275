#include "Stacking.h"

#include "Places.h"
#include "Steps.h"
#include "cGame.h"

#include <algorithm>

namespace quadrell {

bool CanStack(const cGame& board, Loc moving, Loc target) {
    return target >= 0 && stacksOn(board.GetCardIndex(moving), board.GetCardIndex(target));
}

std::int16_t CountEmptyCells(const cGame& board) {
    std::int16_t n = 0;
    for (const Loc cell : allCells())
        n += board.GetCardIndex(cell) == kNoCard ? 1 : 0;
    return n;
}

std::int16_t CountEmptyColumns(const cGame& board) {
    std::int16_t n = 0;
    for (const Loc column : allColumns())
        n += board.GetCardIndex(column) == kNoCard ? 1 : 0;
    return n;
}

std::int16_t CalcFreeSpace(std::int16_t columns, std::int16_t cells) {
    if (columns == 0 || cells == 0) return static_cast<std::int16_t>(cells + columns);
    return static_cast<std::int16_t>((columns + 1) * cells + columns);
}

std::int16_t GetFreeSpace(const cGame& board) {
    return CalcFreeSpace(CountEmptyColumns(board), CountEmptyCells(board));
}

std::int16_t CountSequenceLinks(const cGame& board, Loc location) {
    std::int16_t links = 0;
    for (int q = location - kColumns; q >= 0; q -= kColumns) {
        if (!CanStack(board, static_cast<Loc>(q + kColumns), static_cast<Loc>(q))) break;
        ++links;
    }
    return links == 0 ? -1 : links;
}

std::int16_t CountCardsToMove(const cGame& board, Loc source, Loc target) {
    const Loc t = board.GetBottomCardLocation(target);
    if (source >= kFirstCell) return CanStack(board, source, t) ? 1 : -1; // a lone card
    int q = source;
    for (int i = 1; i <= rowOf(source) + 1; ++i) {
        if (CanStack(board, static_cast<Loc>(q), t)) return static_cast<std::int16_t>(i);
        if (q < kColumns) return -1;
        if (!CanStack(board, static_cast<Loc>(q), static_cast<Loc>(q - kColumns))) return -1;
        q -= kColumns;
    }
    return -1;
}

RunMove RunOnto(const cGame& board, Loc source, Loc target) {
    return { std::max<std::int16_t>(0, CountCardsToMove(board, source, target)),
        GetFreeSpace(board) };
}

std::int16_t LongestRunIntoEmptyColumn(const cGame& board) {
    // The target column is not room for itself.
    const auto others = static_cast<std::int16_t>(CountEmptyColumns(board) - 1);
    return static_cast<std::int16_t>(CalcFreeSpace(others, CountEmptyCells(board)) + 1);
}

bool IsRunToTheEnd(const cGame& board, Loc location) {
    if (!isColumnPlace(location) || board.GetCardIndex(location) == kNoCard) return false;
    for (auto at = location; board.GetCardIndex(static_cast<Loc>(at + kColumns)) != kNoCard;
         at = static_cast<Loc>(at + kColumns))
        if (!CanStack(board, static_cast<Loc>(at + kColumns), at)) return false;
    return true;
}

int CardsHome(const cGame& board) {
    // A foundation builds up from the ace: its top card's rank is how many lie there.
    int home = 0;
    for (const Loc at : allFoundations())
        if (const Card top = board.GetCardIndex(at); top != kNoCard) home += rankOf(top);
    return home;
}

std::int16_t GetLowestFoundation(const cGame& board, int colour) {
    Loc first = 0;
    if (colour == 1) {
        first = kFirstFoundation; // hearts and diamonds
    } else if (colour == 2) {
        first = kFirstFoundation + 1; // clubs and spades
    } else {
        return 0;
    }
    const int a = rankOf(board.GetCardIndex(first));
    const int b = rankOf(board.GetCardIndex(static_cast<Loc>(first + 2)));
    return static_cast<std::int16_t>(a < b ? a : b);
}

std::int16_t CountPossibleMoves(const cGame& board) {
    // Per column: whether a card may come onto its exposed card from a cell or from a column
    // where it lies alone, and whether its exposed card may go home.
    bool onto[kColumns] = {};
    bool home[kColumns] = {};
    ForEachStep(BoardPosition(board), StepKinds::Player, [&](Step step) {
        if (isFoundation(step.to) && isColumnPlace(step.from)) home[columnOf(step.from)] = true;
        const bool ontoCard = isColumnPlace(step.to) && rowOf(step.to) > 0;
        if (ontoCard && (isCell(step.from) || CountSequenceLinks(board, step.from) == -1))
            onto[columnOf(step.to)] = true;
    });
    int moves = CountEmptyCells(board) + CountEmptyColumns(board);
    for (int column = 0; column < kColumns; ++column)
        moves += (onto[column] ? 1 : 0) + (home[column] ? 1 : 0);
    return static_cast<std::int16_t>(moves);
}

} // namespace quadrell

#pragma once

#include "Card.h"

#include <cstdint>

namespace quadrell {

class Engine;

// Turns the player's clicks into moves: selection, the click handlers and the checks
// that decide whether a move is allowed.
class MoveRules {
public:
    explicit MoveRules(Engine& engine) : engine_(engine) { }

    void SelectCard(Loc location);
    void ClearSelection();

    void CardClicked(Loc location);
    void CellCardClicked(Loc location);
    void FoundationClicked(Loc location);
    void CellClicked(Loc location);
    // A press on the board surface, in twips.
    void BackgroundClicked(int x, int y);
    void CardDoubleClicked(Loc location);

    void MoveOntoCard(Loc target);
    void MoveCards(Loc source, Loc target, std::int16_t count);

    // The empty-column dialog's three answers for the target column (0..7).
    void MoveSingleToColumn(int column);
    void MoveRunToColumn(int column);
    void CancelEmptyColumn();

    // The column band a surface x falls in, -1 outside all of them.
    static int ColumnAt(int x);

    // The most steps one move can take: a run of 13 parked and brought back through cells
    // and empty columns, and every card going home after it.
    static constexpr int kStepsOfLongestMove = 128;

private:
    void EmptyColumnClicked(int column);
    // False, with a message and the selection cleared, when the history could not record
    // the longest move: a move is refused before anything moves rather than played unrecorded.
    bool historyHasRoom();

    Engine& engine_;
};

} // namespace quadrell

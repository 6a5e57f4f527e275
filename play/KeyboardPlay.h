#pragma once

#include "Card.h"

#include <string>

namespace quadrell {

class Engine;
class PointerInput;

// Play without the pointer: a cursor over the sixteen places, the eight columns below and
// the four cells and four foundations above them, that acts as a click (or a double click)
// on the card it stands on. It goes through the pointer's own rules, never rules of its own.
class KeyboardPlay {
public:
    enum class Step { Left, Right, Up, Down };

    KeyboardPlay(Engine& engine, PointerInput& pointer) : engine_(engine), pointer_(pointer) { }

    // Back to the first column, as when a game is dealt.
    void Reset() {
        top_ = false;
        x_ = 0;
    }
    // Left and Right go round: past the last column to the first, and back.
    void Go(Step step);
    // A column's number: the cursor goes to the column and plays there, as a click does (it
    // selects the exposed card, or moves the selected card onto the column).
    void PlayColumn(int column);
    // The cursor to the next cell, or to the next foundation, from the one it is on.
    void NextCell();
    void NextFoundation();
    // The card under the cursor goes home to its foundation, as the two clicks would take it.
    void SendHome();
    // What a click does at the cursor: on its card, or on the empty cell or column.
    void Activate();
    // What a double click does on the card at the cursor.
    void ActivateTwice();
    void ClearSelection();
    // Why Finish is not offered now, for the key that asks for it anyway (Ctrl+F).
    std::string WhyNoFinish() const;

    // The place the cursor stands on: a column's exposed card (its first row when empty),
    // a cell or a foundation.
    Loc Place() const;
    bool OnTopRow() const { return top_; }
    int Across() const { return x_; }

private:
    Card cardAtCursor() const;
    void toTopRow(int first);

    Engine& engine_;
    PointerInput& pointer_;
    bool top_ = false;
    int x_ = 0; // 0..7: a column below; above, cells 0..3 then foundations 4..7
};

} // namespace quadrell

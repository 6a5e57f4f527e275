#pragma once

#include "Card.h"

#include <cstdint>

namespace quadrell {

class Engine;

// Moves that take a card to a free place, and runs of cards carried as chains of single
// steps through the free cells and empty columns.
class CardMover {
public:
    explicit CardMover(Engine& engine) : engine_(engine) { }

    // The card goes to the leftmost empty cell; returns that cell, or 0 when none is empty.
    Loc MoveToEmptyCell(Loc source, std::int32_t mode);
    // To row 0 of column `target` (mode 1), or, with target -1, to the first empty column
    // other than `excluded` (mode 2), returning that column.
    Loc MoveToColumn(Loc source, Loc target, int excluded);
    // Carries `count` cards from the exposed card `source` upwards onto the place below
    // `target`, never parking in column `excluded` (-1 for none).
    void MoveColumn(Loc source, Loc target, int count, int excluded);

private:
    void Step(Loc source, Loc destination);

    Engine& engine_;
};

} // namespace quadrell

#pragma once

#include <QColor>

namespace quadrell {

// What the board draws with besides the cards and the table: the outlines of empty places,
// the frame of the selected card, the hint and the keyboard cursor, the welcome text. The
// high-contrast set is for players who see little contrast: on a black table, white outlines
// and frames that stand out at least 4.5:1 on the table and on a card's white face alike.
struct BoardPalette {
    bool strong = false;
    double placeContrast = 3.2; // an empty place's outline and mark against the table
    QColor selection;           // the selected card's frame, on its face
    QColor selectionFill;
    QColor hint;      // the hint's dashed frame
    QColor hintUnder; // under it, so it shows on a card and on the table
    QColor hintFill;
    QColor cursor;      // the keyboard cursor
    QColor cursorUnder; // under it, likewise
    QColor drop;        // the place the cards held would land on
    QColor dropUnder;   // under it, likewise
    QColor dropFill;
    QColor table; // the table in high contrast; invalid: the player's colour

    static BoardPalette Standard();
    static BoardPalette HighContrast();
};

} // namespace quadrell

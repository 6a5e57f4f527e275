#pragma once

#include <QColor>
#include <QPalette>

namespace quadrell {

// The charts' colours for a palette: on its own ground (white in a light palette, dark in a
// dark one), each series stands out as a shape (3:1) and each text as text (4.5:1, the win
// rate's percentages too); the hues stay the charts' own.
struct ChartInks {
    QColor ground;
    QColor ink;  // titles, axes, numbers
    QColor grid; // faint lines, not read
    QColor played;
    QColor won;
    QColor rate; // the win rate's line and its percentages

    static ChartInks For(const QPalette& palette);
};

} // namespace quadrell

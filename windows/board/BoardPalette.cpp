#include "BoardPalette.h"

namespace quadrell {

BoardPalette BoardPalette::Standard() {
    BoardPalette p;
    p.selection = QColor(0x1c, 0x7c, 0xf0);
    p.selectionFill = QColor(0x1c, 0x7c, 0xf0, 40);
    p.hint = QColor(0xff, 0x9f, 0x1c);
    p.hintUnder = Qt::transparent;
    p.hintFill = QColor(0xff, 0x9f, 0x1c, 50);
    p.cursor = QColor(0xff, 0xe0, 0x40);
    p.cursorUnder = QColor(0, 0, 0, 160);
    p.drop = QColor(0x4c, 0xf0, 0x7a);
    p.dropUnder = QColor(0, 0x40, 0x10, 170);
    p.dropFill = QColor(0x4c, 0xf0, 0x7a, 70);
    return p;
}

BoardPalette BoardPalette::HighContrast() {
    BoardPalette p;
    p.strong = true;
    p.placeContrast = 15;
    p.selection = QColor(0, 0, 0xff); // 8.6:1 on a white face
    p.selectionFill = QColor(0, 0, 0xff, 60);
    p.hint = QColor(0, 0xff, 0xff); // 16:1 on black; the black under it 21:1 on white
    p.hintUnder = Qt::black;
    p.hintFill = QColor(0, 0xff, 0xff, 40);
    p.cursor = QColor(0xff, 0x40, 0xff); // 7:1 on black; the black under it on white
    p.cursorUnder = Qt::black;
    p.drop = QColor(0, 0xff, 0); // 15:1 on black; the black under it on white
    p.dropUnder = Qt::black;
    p.dropFill = QColor(0, 0xff, 0, 60);
    p.table = Qt::black;
    return p;
}

} // namespace quadrell

#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace quadrell {

class BoardWidget;
class cOpt;

// The table under the cards as the options set it: the colour, the picture over it when
// that is on, and the high-contrast board.
class BoardBackground {
public:
    static void Apply(BoardWidget& board, const cOpt& options);
    // A picture the player chose, before it is kept: on the board at once.
    static void Preview(BoardWidget& board, const QString& path);
    // Only a regular file within the picture's cap is read (a pipe or a device in its place
    // would hang every start); none when it cannot be read as a picture.
    static QPixmap Picture(const QString& path);
    // The stored colour, blue-green-red as the settings keep it.
    static QColor FromStored(qint32 bgr);
};

} // namespace quadrell

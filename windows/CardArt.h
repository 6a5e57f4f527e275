#pragma once

#include "Card.h"

#include <QColor>
#include <QHash>
#include <QPixmap>

namespace quadrell {

// The pictures of the board, painted from vectors at the screen's device pixel ratio so
// they stay crisp at any scale: 52 card faces, the cell and foundation places, the logo.
class CardArt {
public:
    static constexpr int kWidth = 71; // logical pixels
    static constexpr int kHeight = 96;
    static constexpr int kLogoSize = 33;

    QPixmap Face(Card card, qreal dpr);
    // An empty cell (suit 0) or the foundation of a suit, drawn over the board colour.
    QPixmap Place(int suit, const QColor& board, qreal dpr);
    QPixmap Logo(qreal dpr);

    static QColor SuitColour(int suit);

private:
    QHash<quint64, QPixmap> cache_;
};

} // namespace quadrell

#pragma once

#include "Card.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <memory>

namespace quadrell {

class PictureCache;

// The pictures of the board, painted from vectors at the board's scale and the screen's
// device pixel ratio so they stay crisp at any size: 52 card faces, the cell and foundation
// places, the logo.
class CardArt {
public:
    static constexpr int kWidth = 71; // logical pixels at a scale of 1
    static constexpr int kHeight = 96;
    static constexpr int kLogoSize = 33;

    QPixmap Face(Card card, double scale, qreal dpr);
    // An empty cell (suit 0) or the foundation of a suit, drawn over the board colour, its
    // outline and mark standing out at least `contrast` to 1.
    QPixmap Place(int suit, const QColor& board, double scale, qreal dpr, double contrast = 3.2);
    QPixmap Logo(double scale, qreal dpr);
    // Forgets every picture: the board has changed its scale.
    void Clear() { cache_.clear(); }
    // Places and the logo are looked for there before they are drawn, and kept there after.
    void KeepIn(std::shared_ptr<PictureCache> pictures) { pictures_ = std::move(pictures); }

    static QColor SuitColour(int suit);

private:
    void drawAllFaces(double scale, qreal dpr);
    static QImage drawFace(Card card, double scale, qreal dpr);
    QPixmap kept(quint64 id, const std::function<QPixmap()>& draw);

    QHash<quint64, QPixmap> cache_;
    std::shared_ptr<PictureCache> pictures_;
};

} // namespace quadrell

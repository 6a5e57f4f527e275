#include "CardArt.h"

#include "Contrast.h"
#include "PictureCache.h"
#include "SuitShapes.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <array>
#include <atomic>
#include <memory>
#include <vector>

namespace quadrell {

namespace {

// A rank as its corner shows it, in the player's language: German cards read A for the Ass,
// B, D, K for Bube, Dame, König. Safe on the drawing threads: Qt's translation is.
QString rankLetter(int rank) {
    switch (rank) {
    case 1:
        //: The ace's corner letter.
        return QCoreApplication::translate("CardArt", "A");
    case 11:
        //: The jack's corner letter.
        return QCoreApplication::translate("CardArt", "J");
    case 12:
        //: The queen's corner letter.
        return QCoreApplication::translate("CardArt", "Q");
    case 13:
        //: The king's corner letter.
        return QCoreApplication::translate("CardArt", "K");
    default:
        return QString::number(rank);
    }
}

// Pip centres for 2..10 on a 71 x 96 face; those below the middle are drawn upside down.
struct Pip {
    double x, y;
};
constexpr double L = 22, M = 35.5, R = 49;
const std::array<std::vector<Pip>, 11> kPips { {
    {},
    {},
    { { M, 20 }, { M, 76 } },
    { { M, 20 }, { M, 48 }, { M, 76 } },
    { { L, 20 }, { R, 20 }, { L, 76 }, { R, 76 } },
    { { L, 20 }, { R, 20 }, { M, 48 }, { L, 76 }, { R, 76 } },
    { { L, 20 }, { R, 20 }, { L, 48 }, { R, 48 }, { L, 76 }, { R, 76 } },
    { { L, 20 }, { R, 20 }, { M, 34 }, { L, 48 }, { R, 48 }, { L, 76 }, { R, 76 } },
    { { L, 20 }, { R, 20 }, { M, 34 }, { L, 48 }, { R, 48 }, { M, 62 }, { L, 76 }, { R, 76 } },
    { { L, 20 }, { R, 20 }, { L, 39 }, { R, 39 }, { M, 48 }, { L, 57 }, { R, 57 }, { L, 76 },
        { R, 76 } },
    { { L, 20 }, { R, 20 }, { M, 29.5 }, { L, 39 }, { R, 39 }, { L, 57 }, { R, 57 }, { M, 66.5 },
        { L, 76 }, { R, 76 } },
} };

QImage faceCanvas(double scale, qreal dpr) {
    QImage image(qRound(CardArt::kWidth * scale * dpr), qRound(CardArt::kHeight * scale * dpr),
        QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

QPixmap canvas(int w, int h, double scale, qreal dpr) {
    QPixmap pm(qRound(w * scale * dpr), qRound(h * scale * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

void drawPip(QPainter& p, int suit, QPointF centre, double size, bool upsideDown) {
    p.save();
    p.translate(centre);
    if (upsideDown) p.rotate(180);
    p.fillPath(SuitPath(suit, QRectF(-size / 2, -size / 2, size, size)), CardArt::SuitColour(suit));
    p.restore();
}

void drawIndex(QPainter& p, int suit, int rank) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(rank == 10 ? 12 : 13);
    font.setBold(true);
    if (rank == 10) font.setLetterSpacing(QFont::PercentageSpacing, 85);
    p.setFont(font);
    p.setPen(CardArt::SuitColour(suit));
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(CardArt::kWidth, CardArt::kHeight);
            p.rotate(180);
        }
        p.drawText(QRectF(1, 2, 16, 15), Qt::AlignCenter, rankLetter(rank));
        p.fillPath(SuitPath(suit, QRectF(4, 17, 10, 10)), CardArt::SuitColour(suit));
        // Beside the rank too, within the strip a covered card shows: 6 of diamonds and 6 of
        // hearts differ there as well.
        p.fillPath(SuitPath(suit, QRectF(17.5, 4, 8.5, 8.5)), CardArt::SuitColour(suit));
        p.restore();
    }
}

// Headwear that tells the court cards apart at a glance: crown, tiara, cap.
QPainterPath headwear(int rank) {
    QPainterPath p;
    if (rank == 13) {
        p.moveTo(24, 27);
        p.lineTo(24, 17);
        p.lineTo(29, 22);
        p.lineTo(35.5, 14);
        p.lineTo(42, 22);
        p.lineTo(47, 17);
        p.lineTo(47, 27);
        p.closeSubpath();
    } else if (rank == 12) {
        p.moveTo(25, 27);
        p.cubicTo(27, 17, 44, 17, 46, 27);
        p.closeSubpath();
        for (double x : { 28.0, 35.5, 43.0 })
            p.addEllipse(QPointF(x, x == 35.5 ? 17 : 20), 2.2, 2.2);
    } else {
        p.moveTo(24, 27);
        p.cubicTo(24, 16, 47, 16, 47, 27);
        p.closeSubpath();
        p.moveTo(44, 20);
        p.cubicTo(50, 12, 54, 12, 56, 14);
        p.cubicTo(52, 15, 49, 18, 46, 22);
        p.closeSubpath();
    }
    return p;
}

void drawCourt(QPainter& p, int suit, int rank) {
    const QColor ink = CardArt::SuitColour(suit);
    const QRectF frame(13, 11, 45, 74);
    QLinearGradient fill(frame.topLeft(), frame.bottomRight());
    const QColor tint = rank == 13 ? QColor(0xf4, 0xe2, 0xa8)
        : rank == 12               ? QColor(0xe8, 0xdf, 0xf6)
                                   : QColor(0xd8, 0xea, 0xf8);
    fill.setColorAt(0, tint.lighter(108));
    fill.setColorAt(1, tint);
    p.fillRect(frame, fill);
    p.setPen(QPen(ink, 1.2));
    p.drawRect(frame);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(CardArt::kWidth, CardArt::kHeight);
            p.rotate(180);
        }
        p.fillPath(headwear(rank), rank == 13 ? QColor(0xc9, 0x9a, 0x1b) : ink);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRectF(13, 26, 45, 22), Qt::AlignCenter, rankLetter(rank));
        p.restore();
    }
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QPointF(16, 48), QPointF(55, 48));
    drawPip(p, suit, QPointF(20, 48), 8, false);
    drawPip(p, suit, QPointF(51, 48), 8, true);
}

quint64 key(int kind, int a, QRgb colour, double scale, qreal dpr) {
    return (quint64(kind) << 60) | (quint64(a) << 52) | (quint64(colour & 0xffffff) << 28)
        | (quint64(qRound(scale * 1000) & 0x3fff) << 14) | quint64(qRound(dpr * 100) & 0x3fff);
}

} // namespace

QColor CardArt::SuitColour(int suit) {
    return suit == 1 || suit == 3 ? QColor(0xc4, 0x12, 0x1c) : QColor(0x16, 0x16, 0x1a);
}

QPixmap CardArt::Face(Card card, double scale, qreal dpr) {
    const quint64 k = key(1, card, 0, scale, dpr);
    if (const auto it = cache_.constFind(k); it != cache_.cend()) return *it;
    drawAllFaces(scale, dpr);
    return cache_.value(k);
}

// A new size needs every face at once: they are drawn side by side on the pool's threads and
// this one, which takes its share rather than wait for a pool a solve may be keeping busy. A
// worker that starts late finds nothing left; the batch is shared, so it may outlive this call.
void CardArt::drawAllFaces(double scale, qreal dpr) {
    struct Batch {
        std::atomic<int> next { 0 };
        std::vector<QImage> faces = std::vector<QImage>(kCardCount);
        QSemaphore drawn;
    };
    const auto batch = std::make_shared<Batch>();
    const auto work = [batch, scale, dpr] {
        for (int c = batch->next++; c < kCardCount; c = batch->next++) {
            batch->faces[static_cast<std::size_t>(c)] = drawFace(Card(c), scale, dpr);
            batch->drawn.release();
        }
    };
    for (int helper = 1; helper < QThread::idealThreadCount(); ++helper)
        QThreadPool::globalInstance()->start(work);
    work();
    batch->drawn.acquire(kCardCount);
    for (Card c = 0; c < kCardCount; ++c)
        cache_.insert(key(1, c, 0, scale, dpr),
            QPixmap::fromImage(std::move(batch->faces[static_cast<std::size_t>(c)])));
}

QImage CardArt::drawFace(Card card, double scale, qreal dpr) {
    QImage image = faceCanvas(scale, dpr);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(0x7a, 0x7a, 0x80), 1));
    p.setBrush(QColor(0xfd, 0xfd, 0xfa));
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 5, 5);
    const int suit = suitOf(card);
    const int rank = rankOf(card);
    drawIndex(p, suit, rank);
    if (rank == 1) {
        drawPip(p, suit, QPointF(35.5, 48), suit == 4 ? 34 : 26, false);
    } else if (rank <= 10) {
        for (const Pip& pip : kPips[static_cast<std::size_t>(rank)])
            drawPip(p, suit, QPointF(pip.x, pip.y), 12, pip.y > 48);
    } else {
        drawCourt(p, suit, rank);
    }
    p.end();
    return image;
}

QPixmap CardArt::kept(quint64 id, const std::function<QPixmap()>& draw) {
    if (const auto found = cache_.constFind(id); found != cache_.cend()) return *found;
    const QPixmap pm = PictureCache::CopiedOrDrawn(
        pictures_.get(), QStringLiteral("art/%1").arg(id, 16, 16, QLatin1Char('0')), draw);
    cache_.insert(id, pm);
    return pm;
}

QPixmap CardArt::Place(int suit, const QColor& board, double scale, qreal dpr, double contrast) {
    return kept(key(contrast > 3.2 ? 4 : 2, suit, board.rgb(), scale, dpr), [&] {
        const QColor fill = board.lightness() > 128 ? board.darker(108) : board.lighter(115);
        // Outline and suit mark stand out 3:1 against the board and the place's inside, for
        // players who see little contrast, whatever colour the board is.
        const QColor line = Contrast::StandingOut(
            board.lightness() > 128 ? board.darker(140) : board.lighter(170), { board, fill },
            contrast);
        // A foundation is an empty place with its suit on it: the outline, the dearest stroke
        // of the first picture, is drawn once for all five.
        QPixmap pm;
        if (suit > 0) {
            pm = Place(0, board, scale, dpr, contrast); // painting parts it from the cached one
        } else {
            pm = canvas(kWidth, kHeight, scale, dpr);
            pm.fill(board);
        }
        QPainter p(&pm);
        p.scale(scale, scale);
        p.setRenderHint(QPainter::Antialiasing);
        if (suit > 0) {
            p.fillPath(SuitPath(suit, QRectF(18, 30, 35, 35)), line);
        } else {
            p.setPen(QPen(line, 1.5));
            p.setBrush(fill);
            p.drawRoundedRect(QRectF(1.5, 1.5, kWidth - 3, kHeight - 3), 5, 5);
        }
        p.end();
        return pm;
    });
}

QPixmap CardArt::Logo(double scale, qreal dpr) {
    return kept(key(3, 0, 0, scale, dpr), [&] {
        QPixmap pm = canvas(kLogoSize, kLogoSize, scale, dpr);
        QPainter p(&pm);
        p.scale(scale, scale);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient glow(QPointF(12, 10), 26);
        glow.setColorAt(0, QColor(0xff, 0xf3, 0xc4));
        glow.setColorAt(1, QColor(0xd4, 0xa0, 0x2a));
        p.setPen(QPen(QColor(0x5a, 0x3d, 0x08), 1));
        p.setBrush(glow);
        p.drawEllipse(QRectF(1, 1, kLogoSize - 2, kLogoSize - 2));
        for (int suit = 1; suit <= 4; ++suit) {
            const QPointF at[] = { { 16.5, 8.5 }, { 24.5, 16.5 }, { 16.5, 24.5 }, { 8.5, 16.5 } };
            p.fillPath(SuitPath(suit, QRectF(at[suit - 1].x() - 4, at[suit - 1].y() - 4, 8, 8)),
                SuitColour(suit));
        }
        p.end();
        return pm;
    });
}

} // namespace quadrell

#include "Icons.h"

#include "PictureCache.h"
#include "SuitShapes.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace quadrell::Icons {

namespace {

using Drawing = std::function<void(QPainter&)>; // draws in a 16 x 16 box

const QColor kInk(0x2b, 0x3a, 0x55);
const QColor kBlue(0x1f, 0x6f, 0xd1);
const QColor kGreen(0x2e, 0x9d, 0x4c);
const QColor kRed(0xc9, 0x2a, 0x2a);
const QColor kGold(0xe0, 0xa8, 0x1e);

// Paints the drawing at whatever size and scale the icon is asked for; with a cache of
// pictures and a name, a pixmap drawn once is copied from it at the next start.
class VectorEngine final : public QIconEngine {
public:
    explicit VectorEngine(
        Drawing drawing, QString name = {}, std::shared_ptr<PictureCache> pictures = {})
        : drawing_(std::move(drawing))
        , name_(std::move(name))
        , pictures_(std::move(pictures)) { }
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (mode == QIcon::Disabled) p->setOpacity(0.35);
        drawing_(*p);
        p->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(
        const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        const auto draw = [&] {
            QPixmap pm(size * scale);
            pm.setDevicePixelRatio(scale);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            paint(&p, QRect(QPoint(0, 0), size), mode, state);
            p.end();
            return pm;
        };
        // Asked for at every paint of a list's rows: no key is made where nothing is kept.
        if (!pictures_) return draw();
        return PictureCache::CopiedOrDrawn(pictures_.get(),
            QStringLiteral("icon/%1/%2x%3/%4/%5")
                .arg(name_)
                .arg(size.width())
                .arg(size.height())
                .arg(int(mode))
                .arg(scale),
            draw);
    }
    QIconEngine* clone() const override { return new VectorEngine(drawing_, name_, pictures_); }

private:
    Drawing drawing_;
    QString name_;
    std::shared_ptr<PictureCache> pictures_;
};

QIcon make(Drawing d) { return QIcon(new VectorEngine(std::move(d))); }

void card(QPainter& p, QRectF r, int suit) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 1.5, 1.5);
    const double s = std::min(r.width(), r.height()) * 0.55;
    p.fillPath(SuitPath(suit, QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s)),
        suit % 2 ? kRed : QColor(0x20, 0x20, 0x20));
}

void arrowHead(QPainter& p, QPointF tip, double dx, QColor c) {
    QPainterPath a;
    a.moveTo(tip);
    a.lineTo(tip.x() - dx * 4, tip.y() - 3.5);
    a.lineTo(tip.x() - dx * 4, tip.y() + 3.5);
    a.closeSubpath();
    p.fillPath(a, c);
}

// A curved arrow, left (undo) or right (redo); doubled for the "all" variants.
void turnArrow(QPainter& p, bool right, bool all) {
    const double dx = right ? 1 : -1;
    const QColor c = right ? kGreen : kBlue;
    for (int k = 0; k < (all ? 2 : 1); ++k) {
        const double y = all ? 5.5 + k * 5.5 : 8;
        QPainterPath path;
        path.moveTo(8 - dx * 5, y + 4);
        path.cubicTo(8 - dx * 5, y - 3, 8 + dx * 2, y - 3, 8 + dx * 3, y);
        p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        arrowHead(p, QPointF(8 + dx * 6.5, y + 0.5), dx, c);
    }
}

void triangle(QPainter& p, double x, bool right, QColor c) {
    QPainterPath t;
    const double d = right ? 1 : -1;
    t.moveTo(x + d * 5, 8);
    t.lineTo(x - d * 1, 3);
    t.lineTo(x - d * 1, 13);
    t.closeSubpath();
    p.fillPath(t, c);
}

// Two chevrons, ">>", pointing right; turned a quarter for "down".
void chevrons(QPainter& p, bool down) {
    if (down) {
        p.translate(16, 0);
        p.rotate(90);
    }
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const double x : { 3.5, 8.5 })
        p.drawPolyline(QPolygonF({ QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12) }));
}

void folder(QPainter& p, QColor c) {
    QPainterPath f;
    f.moveTo(1, 4);
    f.lineTo(6, 4);
    f.lineTo(7.5, 5.5);
    f.lineTo(15, 5.5);
    f.lineTo(15, 14);
    f.lineTo(1, 14);
    f.closeSubpath();
    p.setPen(QPen(c.darker(150), 0.8));
    p.setBrush(c);
    p.drawPath(f);
}

void star(QPainter& p, QPointF c, double r, QColor fill) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i == 0 ? s.moveTo(pt) : s.lineTo(pt);
    }
    s.closeSubpath();
    p.setPen(QPen(fill.darker(160), 0.6));
    p.setBrush(fill);
    p.drawPath(s);
}

Drawing drawingFor(Glyph glyph) {
    switch (glyph) {
    case Glyph::NewGame:
        return [](QPainter& p) {
            card(p, QRectF(2, 1.5, 8.5, 12), 4);
            card(p, QRectF(5.5, 3, 8.5, 12), 1);
            star(p, QPointF(12.5, 3.5), 3, kGold);
        };
    case Glyph::SelectGame:
        return [](QPainter& p) {
            card(p, QRectF(1.5, 1.5, 9, 12.5), 3);
            p.setPen(QPen(kInk, 1.8));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(10.5, 10), 3.3, 3.3);
            p.drawLine(QPointF(12.8, 12.4), QPointF(15, 14.8));
        };
    case Glyph::RestartGame:
        return [](QPainter& p) {
            card(p, QRectF(4, 3.5, 8, 11), 2);
            QPainterPath arc;
            arc.arcMoveTo(QRectF(1.5, 1, 13, 13), 200);
            arc.arcTo(QRectF(1.5, 1, 13, 13), 200, -220);
            p.setPen(QPen(kGreen, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arc);
            arrowHead(p, QPointF(14.2, 5.5), 0.2, kGreen);
        };
    case Glyph::ClosedFolder:
        return [](QPainter& p) { folder(p, QColor(0xf2, 0xc9, 0x4c)); };
    case Glyph::OpenFolder:
        return [](QPainter& p) {
            folder(p, QColor(0xe0, 0xb0, 0x35));
            QPainterPath flap;
            flap.moveTo(3, 7.5);
            flap.lineTo(16, 7.5);
            flap.lineTo(14, 14);
            flap.lineTo(1, 14);
            flap.closeSubpath();
            p.setPen(QPen(QColor(0xa0, 0x78, 0x10), 0.8));
            p.setBrush(QColor(0xf7, 0xd8, 0x6a));
            p.drawPath(flap);
        };
    case Glyph::IncompleteGame:
    case Glyph::FinishedGame:
        return [glyph](QPainter& p) {
            QPainterPath page;
            page.moveTo(3, 1);
            page.lineTo(10, 1);
            page.lineTo(13, 4);
            page.lineTo(13, 15);
            page.lineTo(3, 15);
            page.closeSubpath();
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(Qt::white);
            p.drawPath(page);
            p.fillPath(SuitPath(1, QRectF(5, 3.5, 6, 6)), kRed);
            p.fillRect(QRectF(3.4, 10.5, 9.2, 4.1), glyph == Glyph::FinishedGame ? kBlue : kGold);
        };
    case Glyph::OpenGame:
    case Glyph::OpenFavourite:
        return [glyph](QPainter& p) {
            folder(p, QColor(0xf2, 0xc9, 0x4c));
            if (glyph == Glyph::OpenFavourite)
                star(p, QPointF(9, 10), 3.6, QColor(0xf7, 0x7b, 0x2a));
        };
    case Glyph::SaveGame:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(0xdd, 0xe6, 0xf3));
            p.drawRect(QRectF(3.5, 9, 9, 5.5));
        };
    case Glyph::Undo:
        return [](QPainter& p) { turnArrow(p, false, false); };
    case Glyph::Redo:
        return [](QPainter& p) { turnArrow(p, true, false); };
    case Glyph::UndoAll:
        return [](QPainter& p) { turnArrow(p, false, true); };
    case Glyph::RedoAll:
        return [](QPainter& p) { turnArrow(p, true, true); };
    case Glyph::Back:
        return [](QPainter& p) {
            triangle(p, 9.5, false, kBlue);
            triangle(p, 15, false, kBlue);
        };
    case Glyph::Forward:
        return [](QPainter& p) {
            triangle(p, 1, true, kGreen);
            triangle(p, 6.5, true, kGreen);
        };
    case Glyph::Stop:
        return [](QPainter& p) {
            p.setPen(QPen(kRed.darker(130), 0.8));
            p.setBrush(kRed);
            p.drawRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
        };
    case Glyph::Finish:
        return [](QPainter& p) {
            // A card going up onto its pile.
            p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(1.5, 6.5, 8, 9), 1.2, 1.2);
            p.setBrush(QColor(0xf4, 0xf4, 0xf4));
            p.drawRoundedRect(QRectF(6.5, 0.5, 8, 9), 1.2, 1.2);
            p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(5.5, 12), QPointF(5.5, 5));
            p.drawLine(QPointF(3, 7.5), QPointF(5.5, 5));
            p.drawLine(QPointF(8, 7.5), QPointF(5.5, 5));
        };
    case Glyph::AddFavourite:
        return [](QPainter& p) {
            star(p, QPointF(7, 8.5), 6.5, kGold);
            p.setPen(QPen(kGreen, 2));
            p.drawLine(QPointF(13, 9), QPointF(13, 15));
            p.drawLine(QPointF(10, 12), QPointF(16, 12));
        };
    case Glyph::OrganizeFavourites:
        return [](QPainter& p) {
            folder(p, QColor(0xf2, 0xc9, 0x4c));
            p.setPen(QPen(kInk, 1));
            for (double y : { 8.0, 10.5, 13.0 })
                p.drawLine(QPointF(4, y - 0.5), QPointF(12, y - 0.5));
            star(p, QPointF(12.5, 4), 3.3, kGold);
        };
    case Glyph::Options:
        return [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x6b, 0x76, 0x88));
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(8, 8);
                p.rotate(i * 45);
                p.drawRect(QRectF(-1.4, -7.5, 2.8, 4));
                p.restore();
            }
            p.drawEllipse(QPointF(8, 8), 5, 5);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
        };
    case Glyph::ScoreBoard:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.6));
            const QColor bars[] = { kBlue, kGreen, kGold };
            const double heights[] = { 7, 12, 9 };
            for (int i = 0; i < 3; ++i) {
                p.setBrush(bars[i]);
                p.drawRect(QRectF(2 + i * 4.3, 15 - heights[i], 3.5, heights[i]));
            }
        };
    case Glyph::Help:
        return [](QPainter& p) {
            p.setPen(QPen(kBlue.darker(130), 0.8));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            // The question mark drawn, not set in a bold font: loading one for a single
            // glyph cost the first picture more than every other icon.
            const QRectF hook(5.4, 3.4, 5.2, 5.2);
            QPainterPath mark;
            mark.arcMoveTo(hook, 160);
            mark.arcTo(hook, 160, -220);
            mark.lineTo(8, 9.4);
            mark.lineTo(8, 10.2);
            p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(mark);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(8, 12.5), 1.1, 1.1);
        };
    case Glyph::MoreAcross:
        return [](QPainter& p) { chevrons(p, false); };
    case Glyph::MoreDown:
        return [](QPainter& p) { chevrons(p, true); };
    }
    return [](QPainter& p) { card(p, QRectF(3, 1.5, 10, 13), 4); };
}

} // namespace

QIcon Of(Glyph glyph) { return make(drawingFor(glyph)); }

QIcon Of(Glyph glyph, std::shared_ptr<PictureCache> pictures) {
    return QIcon(
        new VectorEngine(drawingFor(glyph), QString::number(int(glyph)), std::move(pictures)));
}

QIcon Program() {
    return make([](QPainter& p) {
        p.setPen(QPen(QColor(0x0b, 0x3d, 0x2a), 0.6));
        p.setBrush(QColor(0x17, 0x6b, 0x45));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(8, 13);
            p.rotate(-27 + i * 18);
            card(p, QRectF(-3, -10.5, 6, 8.5), i + 1);
            p.restore();
        }
    });
}

QIcon Player() {
    return make([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(8, 5), 3.2, 3.2);
        QPainterPath body;
        body.moveTo(2, 15);
        body.cubicTo(2, 9, 14, 9, 14, 15);
        body.closeSubpath();
        p.drawPath(body);
    });
}

QCursor MovePointer() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 20);
    arrow.lineTo(10.5, 19);
    arrow.lineTo(7.5, 12);
    arrow.lineTo(13, 12);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    p.scale(1.1, 1.1);
    p.translate(9, 11);
    card(p, QRectF(0, 0, 10, 13), 1);
    p.setPen(QPen(kGreen, 2.2));
    p.drawLine(QPointF(13, 6), QPointF(13, 14));
    p.drawLine(QPointF(9, 10), QPointF(17, 10));
    p.end();
    return QCursor(pm, 1, 1);
}

} // namespace quadrell::Icons

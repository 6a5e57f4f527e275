#include "SuitShapes.h"

#include <QTransform>

namespace quadrell {

namespace {

// Each shape is drawn in a 100 x 100 box, then scaled into place.
QPainterPath heart() {
    QPainterPath p;
    p.moveTo(50, 96);
    p.cubicTo(20, 70, 0, 52, 2, 28);
    p.cubicTo(4, 8, 28, -2, 42, 12);
    p.cubicTo(46, 16, 48, 20, 50, 26);
    p.cubicTo(52, 20, 54, 16, 58, 12);
    p.cubicTo(72, -2, 96, 8, 98, 28);
    p.cubicTo(100, 52, 80, 70, 50, 96);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.quadTo(70, 28, 90, 50);
    p.quadTo(70, 72, 50, 100);
    p.quadTo(30, 72, 10, 50);
    p.quadTo(30, 28, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.cubicTo(62, 22, 98, 40, 96, 62);
    p.cubicTo(94, 80, 70, 86, 56, 72);
    p.quadTo(58, 88, 70, 100);
    p.lineTo(30, 100);
    p.quadTo(42, 88, 44, 72);
    p.cubicTo(30, 86, 6, 80, 4, 62);
    p.cubicTo(2, 40, 38, 22, 50, 0);
    p.closeSubpath();
    return p;
}

// Filled by the winding rule, the lobes and the stem cover their union: a boolean union of the
// paths would cost more than drawing a board. The stem turns the same way as the lobes, or
// the rule would cut it out where they overlap.
QPainterPath club() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addEllipse(QPointF(50, 24), 22, 22);
    p.addEllipse(QPointF(25, 58), 22, 22);
    p.addEllipse(QPointF(75, 58), 22, 22);
    p.addEllipse(QPointF(50, 52), 10, 14);
    p.moveTo(54, 56);
    p.quadTo(54, 88, 68, 100);
    p.lineTo(32, 100);
    p.quadTo(46, 88, 46, 56);
    p.closeSubpath();
    return p;
}

} // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    // Made once, as every card and icon draws them.
    static const QPainterPath kShapes[] { heart(), club(), diamond(), spade() };
    const QPainterPath& shape = kShapes[suit >= 1 && suit <= 3 ? suit - 1 : 3];
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(shape);
}

} // namespace quadrell

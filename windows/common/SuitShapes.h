#pragma once

#include <QPainterPath>
#include <QRectF>

namespace quadrell {

// The four suit symbols as vector paths filling `box`: 1 hearts, 2 clubs, 3 diamonds, 4 spades.
// For filling: the club's parts overlap, so its outline would show their seams.
QPainterPath SuitPath(int suit, const QRectF& box);

} // namespace quadrell

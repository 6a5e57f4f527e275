#include "Dragging.h"

#include "BoardWidget.h"
#include "Places.h"
#include "PointerInput.h"
#include "cCards.h"

#include <QApplication>
#include <utility>

namespace quadrell {

void Dragging::Press(QPoint at, std::vector<Card> liftable) {
    pressPoint_ = at;
    liftable_ = std::move(liftable);
}

void Dragging::MoveTo(QPoint point, const PointerInput& input) {
    if (lifted_.empty()) {
        if ((point - pressPoint_).manhattanLength() < QApplication::startDragDistance()) return;
        lifted_ = std::exchange(liftable_, {});
        grab_ = QPointF(pressPoint_) - board_.CardRect(lifted_.front()).topLeft();
        for (Card c : lifted_)
            board_.BringToFront(c);
        spots_ = input.EveryDropSpot(); // the board stands still while they are held
    }
    const QPointF corner = board_.TwipsAt(QPointF(point) - grab_);
    board_.Shift(lifted_, corner - board_.CardPosition(lifted_.front()));
    spot_ = input.DropSpot(placeUnder(point));
}

Loc Dragging::PlaceAt(QPoint point) const {
    for (Loc place = kFirstCell; place <= kLastFoundation; ++place)
        if (place != kNotAPlace
            && board_.Pixels(board_.ShownAt(place), kCardWidthTwips, kCardHeightTwips)
                   .contains(point))
            return place;
    const QPointF twips = board_.TwipsAt(point);
    for (const Loc column : allColumns()) {
        const double left = cCards::PlaceX(column);
        if (twips.y() >= cCards::PlaceY(0) && twips.x() >= left - 52
            && twips.x() < left + kCardWidthTwips + 53)
            return column;
    }
    return kNoLoc;
}

Loc Dragging::placeUnder(QPoint point) const {
    if (const Loc place = PlaceAt(point); place != kNoLoc) return place;
    const QRectF held = board_.CardRect(lifted_.front());
    return PlaceAt((held.topLeft() + QPointF(held.width() / 2, 10 * board_.Scale())).toPoint());
}

void Dragging::Drop(QPoint point, PointerInput& input) {
    const Loc target = placeUnder(point);
    spot_ = kNoLoc; // the other spots are drawn only while cards are held
    const std::vector<Card> lifted = std::exchange(lifted_, {});
    const Loc from = board_.PlaceOf(lifted.front());
    // Cards the rules moved are laid out by their move; the others go back.
    const auto settle = [&] {
        if (board_.PlaceOf(lifted.front()) == from) board_.SlideBack(lifted);
    };
    if (target == kNoLoc) return settle();
    const std::string refused = input.DropOn(target, lifted.size(), settle);
    if (refused.empty()) return;
    emit board_.DropRefused(QString::fromStdString(refused));
    emit board_.Refused();
}

} // namespace quadrell

#pragma once

#include "Card.h"

#include <QPoint>
#include <QPointF>
#include <vector>

namespace quadrell {

class BoardWidget;
class PointerInput;

// A drag on the board: the cards a press may lift, the cards lifted once the pointer has
// gone the platform's drag distance, and where they land when let go. A drop makes the move
// a click on its target would make.
class Dragging {
public:
    explicit Dragging(BoardWidget& board) : board_(board) { }

    // A press on a card: what a drag from it would hold.
    void Press(QPoint at, std::vector<Card> liftable);
    // The press ended without a drag.
    void Forget() { liftable_.clear(); }
    bool Possible() const { return !liftable_.empty() || !lifted_.empty(); }
    bool Holding() const { return !lifted_.empty(); }
    const std::vector<Card>& Lifted() const { return lifted_; }

    // The lifted cards follow the pointer, above everything; the place under them that
    // would take them is marked.
    void MoveTo(QPoint point, const PointerInput& input);
    // Where the held cards would land if let go now (see PointerInput::DropSpot).
    Loc Spot() const { return spot_; }
    // Every place that would take them, when the player asked to see them all.
    const std::vector<Loc>& OtherSpots() const { return spots_; }
    // Lets go over `point`: the rules move the cards, or they slide back to where they were
    // before any message about the drop is shown.
    void Drop(QPoint point, PointerInput& input);
    // The place under the point: a cell, a foundation or a column (its first place); a
    // column takes its whole band, the gaps beside its cards included.
    Loc PlaceAt(QPoint point) const;

private:
    // The place a drop at `point` goes to: the one under the pointer, or off every place,
    // the one under the top of the card held.
    Loc placeUnder(QPoint point) const;

    BoardWidget& board_;
    QPoint pressPoint_;
    std::vector<Card> liftable_; // what a drag from the press would hold
    std::vector<Card> lifted_;   // what it holds, once the pointer has gone far enough
    Loc spot_ = kNoLoc;
    std::vector<Loc> spots_;
    QPointF grab_; // the pointer less the first lifted card's corner, in pixels
};

} // namespace quadrell

#pragma once

#include "Card.h"

namespace quadrell {

// What the engine asks of whoever shows the board. The engine decides where cards go;
// the view only draws them there.
class BoardView {
public:
    virtual ~BoardView() = default;

    // The card's picture comes to the front and slides from source to destination in
    // `steps` positions (the last exactly on the destination), or jumps there when instant.
    virtual void MoveCard(Card card, Loc source, Loc destination, int steps, bool instant) = 0;
    // Laying out a deal: the card's picture shows `card`, comes to the front, lies at location.
    virtual void PlaceCard(Card card, Loc location) = 0;
    // All 52 card pictures at once.
    virtual void ShowCards(bool visible) = 0;
    // The selection frame moves onto the card at `selected`, or is parked when it is -1 (asked
    // whether or not one is shown).
    virtual void SelectionChanged(Loc selected) = 0;
    // Stacking order of one card's picture: the right-button look at a covered card.
    virtual void BringToFront(Card card) = 0;
    virtual void SendToBack(Card card) = 0;
    // Finish is about to send the `cards` left home: their moves follow as one.
    virtual void Finishing(int cards) = 0;
    // A move the player asked for was refused, whether or not a message says so.
    virtual void MoveRefused() = 0;
};

// A view that shows nothing: validation runs and benchmarks.
class NullBoardView final : public BoardView {
public:
    void MoveCard(Card, Loc, Loc, int, bool) override { }
    void PlaceCard(Card, Loc) override { }
    void ShowCards(bool) override { }
    void SelectionChanged(Loc) override { }
    void BringToFront(Card) override { }
    void SendToBack(Card) override { }
    void Finishing(int) override { }
    void MoveRefused() override { }
};

} // namespace quadrell

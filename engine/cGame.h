#pragma once

#include "Card.h"

#include <array>
#include <cstdint>
#include <string>

namespace quadrell {

class Engine;

// The board table: which card lies where, and the one operation that moves a card.
class cGame {
public:
    cGame();

    // Puts card `index` at `location` (the deal).
    void init(Loc location, Card index);
    Card GetCardIndex(Loc location) const { return board_[static_cast<std::size_t>(location)]; }
    // The location the card's picture carries in its tag; -1 before the first deal.
    Loc GetLocation(Card cardIndex) const { return tags_[static_cast<std::size_t>(cardIndex)]; }
    // Records, moves, animates and then runs automatic play, as the mode asks.
    void SetLocation(
        Loc source, Loc destination, std::int32_t mode, std::int16_t speed, bool instant);
    // A move in play: shown moving at the player's card speed.
    void SetLocation(Loc source, Loc destination, std::int32_t mode) {
        SetLocation(source, destination, mode, 0, false);
    }
    std::int16_t GetTotalCards(Loc location) const;
    Loc GetBottomCardLocation(Loc location) const;
    // The response to a move that is not allowed.
    // "That move is not Allowed", and the rule that refused it on a second line.
    void ShowMessages(const std::string& reason = {});
    std::int16_t GetPossibleMoves() const;

    // A fresh board: every place empty. Card tags stay with their pictures.
    void Clear();
    // The board update of SetLocation alone: nothing recorded, drawn or played on.
    Card ApplyStep(Loc source, Loc destination);
    void Attach(Engine* engine) { engine_ = engine; }

private:
    std::array<Card, kBoardSize> board_ {};
    std::array<Loc, kCardCount> tags_ {};
    Engine* engine_ = nullptr;
};

} // namespace quadrell

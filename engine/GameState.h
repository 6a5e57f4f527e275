#pragma once

#include "Card.h"
#include "Deal.h"
#include "cCards.h"
#include "cGame.h"

#include <cstdint>

namespace quadrell {

// The game state every part of the program shares, in one place a test can build afresh.
struct GameState {
    GameState() = default;
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    std::int32_t gGameNumber = 0;
    cGame gBoard;
    cCards gCards { gBoard };
    Deck gDeck {};
    Loc gSelected = kNoLoc;
    bool gSelectionShown = false;
    bool gGameActive = false;
    bool gMultiMove = false;
    bool gFinishedView = false;
    Loc gClickedLoc = kNoLoc;
};

} // namespace quadrell

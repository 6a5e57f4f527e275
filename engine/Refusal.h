#pragma once

#include "Card.h"

namespace quadrell {

class cGame;

// Why the rules would not take the selected cards to a place, so a player hears the rule
// and not just "no".
struct Refusal {
    enum class Rule {
        None,           // the place takes them, or nothing is to be said (their own column)
        Stack,          // a lone card goes on the other colour, one rank higher
        KingOnCard,     // a king goes on no card
        RunDoesNotFit,  // no card of the run goes on the target
        NothingOnAce,   // an ace in a column takes nothing
        Space,          // the run is longer than the free places carry
        CellTaken,      // a cell holds one card
        FoundationNext, // a foundation takes the next card of its suit
        FoundationFull, // a foundation with its king takes nothing more
    };
    Rule rule = Rule::None;
    Card moving = kNoCard; // the card that would have moved (the selected one)
    Card target = kNoCard; // the card it would have gone on, or the foundation's top card
    int needed = 0;        // Space: free places the run needs
    int free = 0;          // Space: free places there are
};

// What the rules say of the selected cards (at `selected`) dropped on `place`: a column
// (any of its places), a cell or a foundation. `alone`: the player holds the selected card
// by itself (dragged alone), so a refusal speaks of it and not of the run above it.
Refusal WhyRefused(const cGame& board, Loc selected, Loc place, bool alone = false);
// Whether the selected cards dropped on `place` would move there: the rules take them and
// the place is not where they already are.
bool TakesDrop(const cGame& board, Loc selected, Loc place);

} // namespace quadrell

#include "RefusalWords.h"

#include "Prompter.h"

#include <array>

namespace quadrell {

namespace {

// The same words as the screen reader's card names, so one translation serves both.
constexpr const char* kNames = "CardNames";
constexpr std::array<const char*, 13> kRanks { "Ace", "Two", "Three", "Four", "Five", "Six",
    "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King" };
constexpr std::array<const char*, 4> kSuits { "Hearts", "Clubs", "Diamonds", "Spades" };

std::string rankName(int rank, Prompter& prompter) {
    return prompter.Translated(kNames, kRanks.at(static_cast<std::size_t>(rank - 1)));
}

Card cardOf(int suit, int rank) { return static_cast<Card>((suit - 1) * 13 + rank - 1); }

// The two cards of the colour other than `card`'s at `rank`: what goes on it, or what it
// goes on. Translations name them where a colour word would need inflecting.
struct OtherColour {
    std::string colour, rank, first, second;
};

OtherColour otherColour(Card card, int rank, Prompter& prompter) {
    const bool red = colourOf(card) == 2; // the other colour of a black card is red
    const int suit = red ? 1 : 2;
    return { red ? prompter.Translated("Refusal", "red") : prompter.Translated("Refusal", "black"),
        rankName(rank, prompter), CardName(cardOf(suit, rank), prompter),
        CardName(cardOf(suit + 2, rank), prompter) };
}

std::string suitName(Card card, Prompter& prompter) {
    return prompter.Translated(kNames, kSuits.at(static_cast<std::size_t>(suitOf(card) - 1)));
}

} // namespace

std::string CardName(Card card, Prompter& prompter) {
    return FillIn(prompter.Translated(kNames, "%1 of %2"),
        { rankName(rankOf(card), prompter), suitName(card, prompter) });
}

std::string RefusalWords(const Refusal& r, Prompter& p) {
    using Rule = Refusal::Rule;
    switch (r.rule) {
    case Rule::Stack: {
        const OtherColour on = otherColour(r.moving, rankOf(r.moving) + 1, p);
        //: %1 the card moved; %2 red or black, %3 a rank; %4 and %5 the two cards it fits on.
        return FillIn(p.Translated("Refusal", "The %1 goes on a %2 %3"),
            { CardName(r.moving, p), on.colour, on.rank, on.first, on.second });
    }
    case Rule::KingOnCard:
        return FillIn(p.Translated("Refusal",
                          "The %1 goes on no card, only to a cell, an empty column or home"),
            { CardName(r.moving, p) });
    case Rule::RunDoesNotFit: {
        const OtherColour takes = otherColour(r.target, rankOf(r.target) - 1, p);
        //: %1 the card gone onto; %2 red or black, %3 a rank; %4 and %5 the two cards it takes.
        return FillIn(
            p.Translated("Refusal", "Nothing in that run goes on the %1: it takes a %2 %3"),
            { CardName(r.target, p), takes.colour, takes.rank, takes.first, takes.second });
    }
    case Rule::NothingOnAce:
        return FillIn(p.Translated("Refusal", "Nothing goes on the %1"), { CardName(r.target, p) });
    case Rule::Space:
        return FillIn(p.Translated("Refusal", "That run needs %1 free places; there are %2"),
            { std::to_string(r.needed), std::to_string(r.free) });
    case Rule::CellTaken:
        return FillIn(p.Translated("Refusal", "A cell holds one card; this one holds the %1"),
            { CardName(r.target, p) });
    case Rule::FoundationNext:
        return FillIn(p.Translated("Refusal", "The %1 foundation takes the %2 next"),
            { suitName(r.target, p), CardName(static_cast<Card>(r.target + 1), p) });
    case Rule::FoundationFull:
        return FillIn(
            p.Translated("Refusal", "The %1 foundation is complete"), { suitName(r.target, p) });
    case Rule::None:
        break;
    }
    return {};
}

} // namespace quadrell

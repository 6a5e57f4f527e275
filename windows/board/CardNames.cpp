#include "CardNames.h"

#include <QCoreApplication>
#include <array>

namespace quadrell {

namespace {

const std::array<const char*, 13> kRanks { QT_TRANSLATE_NOOP("CardNames", "Ace"),
    QT_TRANSLATE_NOOP("CardNames", "Two"), QT_TRANSLATE_NOOP("CardNames", "Three"),
    QT_TRANSLATE_NOOP("CardNames", "Four"), QT_TRANSLATE_NOOP("CardNames", "Five"),
    QT_TRANSLATE_NOOP("CardNames", "Six"), QT_TRANSLATE_NOOP("CardNames", "Seven"),
    QT_TRANSLATE_NOOP("CardNames", "Eight"), QT_TRANSLATE_NOOP("CardNames", "Nine"),
    QT_TRANSLATE_NOOP("CardNames", "Ten"), QT_TRANSLATE_NOOP("CardNames", "Jack"),
    QT_TRANSLATE_NOOP("CardNames", "Queen"), QT_TRANSLATE_NOOP("CardNames", "King") };
const std::array<const char*, 4> kSuits { QT_TRANSLATE_NOOP("CardNames", "Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Clubs"), QT_TRANSLATE_NOOP("CardNames", "Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Spades") };

QString said(const char* text) { return CardNames::tr(text); }

} // namespace

QString CardNames::OfSuit(int suit) { return said(kSuits.at(static_cast<std::size_t>(suit - 1))); }

QString CardNames::Of(Card card) {
    //: A card's name: the rank, then the suit ("Seven of Hearts").
    return said(QT_TRANSLATE_NOOP("CardNames", "%1 of %2"))
        .arg(said(kRanks.at(static_cast<std::size_t>(rankOf(card) - 1))), OfSuit(suitOf(card)));
}

QString CardNames::OfPlace(Loc loc) {
    if (isCell(loc))
        return said(QT_TRANSLATE_NOOP("CardNames", "cell %1")).arg(loc - kFirstCell + 1);
    if (isFoundation(loc))
        return said(QT_TRANSLATE_NOOP("CardNames", "the %1 foundation"))
            .arg(OfSuit(loc - kNotAPlace));
    return said(QT_TRANSLATE_NOOP("CardNames", "column %1")).arg(columnOf(loc) + 1);
}

QString CardNames::OfMove(Card card, Loc destination) {
    //: A move said aloud: a card, then where it went ("Seven of Hearts to cell 1").
    return said(QT_TRANSLATE_NOOP("CardNames", "%1 to %2")).arg(Of(card), OfPlace(destination));
}

} // namespace quadrell

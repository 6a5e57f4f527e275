#include "CardNames.h"

#include <array>

namespace quadrell {

namespace {

const std::array<const char*, 13> kRanks { "Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
    "Eight", "Nine", "Ten", "Jack", "Queen", "King" };
const std::array<const char*, 4> kSuits { "Hearts", "Clubs", "Diamonds", "Spades" };

} // namespace

QString CardNames::OfSuit(int suit) {
    return QLatin1String(kSuits.at(static_cast<std::size_t>(suit - 1)));
}

QString CardNames::Of(Card card) {
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRanks.at(static_cast<std::size_t>(rankOf(card) - 1))),
            OfSuit(suitOf(card)));
}

QString CardNames::OfPlace(Loc loc) {
    if (isCell(loc)) return QStringLiteral("cell %1").arg(loc - kFirstCell + 1);
    if (isFoundation(loc)) return QStringLiteral("the %1 foundation").arg(OfSuit(loc - kNotAPlace));
    return QStringLiteral("column %1").arg(columnOf(loc) + 1);
}

QString CardNames::OfMove(Card card, Loc destination) {
    return QStringLiteral("%1 to %2").arg(Of(card), OfPlace(destination));
}

} // namespace quadrell

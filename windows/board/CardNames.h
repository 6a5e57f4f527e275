#pragma once

#include "Card.h"

#include <QCoreApplication>
#include <QString>

namespace quadrell {

// What a screen reader says of the cards and places: "Seven of Hearts", "column 3",
// "cell 1", "the Hearts foundation".
class CardNames {
    Q_DECLARE_TR_FUNCTIONS(CardNames)

public:
    static QString Of(Card card);
    static QString OfSuit(int suit);
    // A column by its first place or any of its cards' places; a cell; a foundation.
    static QString OfPlace(Loc loc);
    // "Seven of Hearts to cell 1".
    static QString OfMove(Card card, Loc destination);
};

} // namespace quadrell

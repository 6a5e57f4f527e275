#include "cCards.h"

#include "cGame.h"

namespace quadrell {

std::int32_t cCards::GetStatus(Loc where) {
    if (where < kFirstCell) return 1;
    return where <= kNotAPlace ? 2 : 3;
}

std::int16_t cCards::GetCardType(Loc where) {
    SetCardDetails(where);
    return cardType;
}

std::int16_t cCards::GetCardNumber(Loc where) {
    SetCardDetails(where);
    return cardNumber;
}

std::int32_t cCards::GetCardColor(Loc where) {
    SetCardDetails(where);
    return cardColour;
}

std::int16_t cCards::GetCordinatey(Loc where) {
    SetCoordinates(where);
    return Cordinatey;
}

std::int16_t cCards::GetCordinatex(Loc where) {
    SetCoordinates(where);
    return Cordinatex;
}

std::int16_t cCards::GetPositiony(Loc where) {
    SetCoordinates(where);
    return Positiony;
}

std::int16_t cCards::GetPositionx(Loc where) {
    SetCoordinates(where);
    return Positionx;
}

std::int16_t cCards::GetLocation(std::int16_t positionx, std::int16_t positiony) {
    location = static_cast<std::int16_t>(
        positiony == 200 ? kFirstCell + positionx : positiony * kColumns + positionx);
    return location;
}

std::int16_t cCards::PlaceX(Loc where) {
    if (where >= kFirstFoundation)
        return static_cast<std::int16_t>(1080 * (where - kFirstCell) - 260);
    if (where >= kFirstCell) return static_cast<std::int16_t>(1080 * (where - kFirstCell));
    return static_cast<std::int16_t>(100 + 1170 * columnOf(where));
}

std::int16_t cCards::PlaceY(Loc where) {
    if (where >= kFirstCell) return 0;
    return static_cast<std::int16_t>(1600 + 256 * rowOf(where));
}

void cCards::SetCardDetails(Loc where) {
    const Card c = board_->GetCardIndex(where);
    if (c > 51) return;
    if (c < 0) {
        cardType = -1;
        cardNumber = -1;
        return; // the colour of an empty place is left as it was
    }
    cardType = static_cast<std::int16_t>(suitOf(c));
    cardNumber = static_cast<std::int16_t>(rankOf(c));
    cardColour = colourOf(c);
}

void cCards::SetCoordinates(Loc where) {
    if (where >= kFirstCell) {
        Positionx = static_cast<std::int16_t>(where - kFirstCell); // a top place keeps the last row
    } else {
        Positionx = static_cast<std::int16_t>(columnOf(where));
        Positiony = static_cast<std::int16_t>(rowOf(where));
    }
    Cordinatex = PlaceX(where);
    Cordinatey = PlaceY(where);
}

} // namespace quadrell

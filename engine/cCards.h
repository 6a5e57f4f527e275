#pragma once

#include "Card.h"

#include <cstdint>

namespace quadrell {

class cGame;

// Answers questions about the card at a location and about a location's geometry. Each
// query leaves its results in the fields, as the rest of the program reads them back.
class cCards {
public:
    explicit cCards(const cGame& board) : board_(&board) { }

    static std::int32_t GetStatus(Loc where);
    std::int16_t GetCardType(Loc where);
    std::int16_t GetCardNumber(Loc where);
    std::int32_t GetCardColor(Loc where);
    std::int16_t GetCordinatey(Loc where);
    std::int16_t GetCordinatex(Loc where);
    std::int16_t GetPositiony(Loc where);
    std::int16_t GetPositionx(Loc where);
    std::int16_t GetLocation(std::int16_t positionx, std::int16_t positiony);

    std::int16_t Positionx = 0;
    std::int16_t Positiony = 0;
    std::int16_t Cordinatex = 0;
    std::int16_t Cordinatey = 0;
    std::int16_t location = 0;
    std::int16_t cardNumber = 0;
    std::int16_t cardType = 0;
    std::int32_t cardColour = 0;

    // Top-left corner of a card lying at the location, in twips.
    static std::int16_t PlaceX(Loc where);
    static std::int16_t PlaceY(Loc where);

private:
    void SetCardDetails(Loc where);
    void SetCoordinates(Loc where);

    const cGame* board_;
};

} // namespace quadrell

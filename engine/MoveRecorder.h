#pragma once

#include "Card.h"

#include <cstdint>

namespace quadrell {

// Where every recorded single-card step goes (the move history).
class MoveRecorder {
public:
    virtual ~MoveRecorder() = default;
    virtual std::int16_t SaveTrans(Loc source, Loc destination, std::int32_t mode) = 0;
    // How many more steps it can take.
    virtual int RoomLeft() const = 0;
};

} // namespace quadrell

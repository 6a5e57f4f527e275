#pragma once

#include <cstdint>

namespace quadrell {

// One entry of the move history, as game files hold it.
struct TransRecord {
    std::int16_t SrcLoc = 0;
    std::int16_t Destloc = 0;
    std::int32_t mode = 0;
    std::int16_t MoveNo = 0;

    friend bool operator==(const TransRecord&, const TransRecord&) = default;
};

} // namespace quadrell

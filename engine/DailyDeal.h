#pragma once

#include <cstdint>

namespace quadrell {

// "Today's Deal": one numbered deal per calendar day, the same for every player, worked out
// from the date alone (no clock zone, no machine, no settings). Its numbers lie in 1..32000,
// inside every random range of the options.
class DailyDeal {
public:
    static constexpr std::int32_t kLargest = 32000;

    static std::int32_t For(int year, unsigned month, unsigned day);
};

} // namespace quadrell

#include "DailyDeal.h"

#include <chrono>

namespace quadrell {

std::int32_t DailyDeal::For(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const sys_days date { std::chrono::year(year) / std::chrono::month(month)
        / std::chrono::day(day) };
    // Days since 1970 mixed (SplitMix64's finaliser), so that neighbouring days are far
    // apart and no run of days walks through neighbouring numbers.
    auto x = static_cast<std::uint64_t>(date.time_since_epoch().count()) + 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return static_cast<std::int32_t>(x % kLargest) + 1;
}

} // namespace quadrell

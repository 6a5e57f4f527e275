#pragma once

#include "Card.h"

#include <ranges>

namespace quadrell {

// The places of each kind in order, walked without an index: `for (Loc cell : allCells())`.
// Apart from Card.h, which moc reads and whose parser cannot take <ranges>.
constexpr auto allColumns() { return std::views::iota(Loc { 0 }, Loc { kColumns }); }
constexpr auto allCells() { return std::views::iota(kFirstCell, Loc { kFirstCell + kCells }); }
constexpr auto allFoundations() {
    return std::views::iota(kFirstFoundation, Loc { kLastFoundation + 1 });
}

} // namespace quadrell

#pragma once

#include "Card.h"

namespace quadrell {

// The places from `first` to just before `last`, in order, walked without an index:
// `for (Loc cell : allCells())`.
class PlaceRange {
public:
    class Iterator {
    public:
        explicit constexpr Iterator(Loc at) : at_(at) { }
        constexpr Loc operator*() const { return at_; }
        constexpr Iterator& operator++() {
            ++at_;
            return *this;
        }
        constexpr bool operator==(const Iterator&) const = default;

    private:
        Loc at_;
    };

    constexpr PlaceRange(Loc first, Loc last) : first_(first), last_(last) { }
    constexpr Iterator begin() const { return Iterator(first_); }
    constexpr Iterator end() const { return Iterator(last_); }

private:
    Loc first_;
    Loc last_;
};

constexpr PlaceRange allColumns() { return { 0, kColumns }; }
constexpr PlaceRange allCells() { return { kFirstCell, kFirstCell + kCells }; }
constexpr PlaceRange allFoundations() { return { kFirstFoundation, kLastFoundation + 1 }; }

} // namespace quadrell

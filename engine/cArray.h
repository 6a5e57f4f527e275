#pragma once

#include <array>
#include <cstdint>

namespace quadrell {

// Thirteen ranks in the order one row of the permutation table gives them.
class cArray {
public:
    // Rows 0..30 of the permutation table; any other index leaves the members as they are.
    void SetIndex(std::int16_t index);

    std::int16_t Index() const { return index_; }
    void SetIndexProperty(std::int16_t value) { index_ = value; }

    // Member c1..c13, by number.
    std::int16_t c(int member) const { return members_[member - 1]; }
    void setC(int member, std::int16_t value) { members_[member - 1] = value; }

    static const std::array<std::array<std::int8_t, 13>, 31>& PermutationTable();

private:
    std::int16_t index_ = 0;
    std::array<std::int16_t, 13> members_ {};
};

} // namespace quadrell

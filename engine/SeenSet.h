#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quadrell {

// The positions a search has met, by their 64-bit keys: open addressing in one array,
// doubled at half full, so a lookup is a probe or two and nothing is allocated per key.
class SeenSet {
public:
    explicit SeenSet(std::size_t expected = 1024) {
        std::size_t size = 16;
        while (size < expected * 2)
            size *= 2;
        slots_.assign(size, 0);
    }

    // True when the key is new (and is now in the set).
    bool Insert(std::uint64_t key) {
        key |= 1; // 0 marks an empty slot
        if ((count_ + 1) * 2 > slots_.size()) grow();
        return place(slots_, key);
    }
    std::size_t Size() const { return count_; }
    std::size_t Bytes() const { return slots_.size() * sizeof(std::uint64_t); }

private:
    bool place(std::vector<std::uint64_t>& slots, std::uint64_t key) {
        const std::size_t mask = slots.size() - 1;
        for (std::size_t i = (key >> 17) & mask;; i = (i + 1) & mask) {
            if (slots[i] == key) return false;
            if (slots[i] == 0) {
                slots[i] = key;
                ++count_;
                return true;
            }
        }
    }
    void grow() {
        std::vector<std::uint64_t> bigger(slots_.size() * 2, 0);
        count_ = 0;
        for (const std::uint64_t key : slots_)
            if (key != 0) place(bigger, key);
        slots_.swap(bigger);
    }

    std::vector<std::uint64_t> slots_;
    std::size_t count_ = 0;
};

} // namespace quadrell

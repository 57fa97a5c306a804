#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace lumtrak::model {

// Four visibility entries of a panel; non-zero means visible. Entries k and k + 2
// face opposite ways.
struct SideMask {
    std::array<std::int32_t, 4> entries{};

    static constexpr SideMask AllVisible() { return SideMask{{1, 1, 1, 1}}; }
    bool operator==(const SideMask&) const = default;
};

// Turns a mask round: entries 0 and 2 change places, and 1 and 3.
constexpr void ExchangeSides(SideMask& mask) {
    std::swap(mask.entries[0], mask.entries[2]);
    std::swap(mask.entries[1], mask.entries[3]);
}

}  // namespace lumtrak::model

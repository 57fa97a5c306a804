#pragma once

#include <cstdint>

namespace lumtrak::tools {

// A coordinate triple: x across (W), y along (L), z height (H), in file units.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;
    bool operator==(const Point&) const = default;
};

}  // namespace lumtrak::tools

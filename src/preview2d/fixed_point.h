#pragma once

#include <cstdint>

// The 16.16 and 26.6 fixed-point numbers that the 2D raster steps edges and
// lines with. They wrap around as 32-bit integers do, as the preview's painter
// computes them, so that both give the same pixels even for points far off the
// picture.
namespace lumtrak::preview2d::fixed {

using Fixed = std::int32_t;
inline constexpr Fixed kOne = 1 << 16;
inline constexpr Fixed kHalf = kOne / 2;

constexpr Fixed Wrap(std::int64_t value) {
    return static_cast<Fixed>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

constexpr Fixed Plus(Fixed a, std::int64_t b) {
    return Wrap(std::int64_t(a) + b);
}

constexpr Fixed Times(std::int64_t a, std::int64_t b) {
    return Wrap(a * b);
}

// A real number truncated into 32 bits; one out of range gives the lowest value.
constexpr Fixed Truncate(double value) {
    if (!(value >= -2147483648.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<Fixed>(value);
}

}  // namespace lumtrak::preview2d::fixed

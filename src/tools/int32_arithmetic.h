#pragma once

#include <cmath>
#include <cstdint>

// The tools compute with 32-bit signed integers that wrap round on overflow
// (two's complement), as the definitions' coordinates always have.
namespace lumtrak::tools {

constexpr std::int32_t Wrap(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}
constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return Wrap(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSubtract(std::int32_t a, std::int32_t b) {
    return Wrap(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapMultiply(std::int32_t a, std::int32_t b) {
    return Wrap(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapNegate(std::int32_t a) {
    return WrapSubtract(0, a);
}
// a / b truncating toward zero; the one quotient beyond the range, INT32_MIN / -1,
// wraps to INT32_MIN. b must not be 0.
constexpr std::int32_t DivideTruncating(std::int32_t a, std::int32_t b) {
    if (b == -1) return WrapNegate(a);
    return a / b;
}

// A floating-point result as a 32-bit integer, truncated toward zero. Values
// beyond the 32-bit range wrap like the integer results do (the truncated value
// modulo 2^32); values with no 64-bit integer form (NaN, infinities, magnitudes
// of 2^63 and more) give 0.
inline std::int32_t TruncateToInt32(double value) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!(value > -kLimit && value < kLimit)) return 0;
    const auto whole = static_cast<std::int64_t>(value);  // truncates toward zero
    return Wrap(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

}  // namespace lumtrak::tools

#pragma once

#include <cstdint>
#include <limits>

// 32-bit two's-complement arithmetic on values read from files, as 32-bit
// registers compute it, instead of overflowing (which C++ leaves undefined):
// sums, differences, products and negations wrap (they are computed on
// unsigned values, whose arithmetic wraps, and converted back); division
// truncates toward zero, with INT32_MIN / -1 wrapping to INT32_MIN instead of
// trapping. Stores into 16-bit fields keep the low 16 bits.
namespace lumtrak::model {

constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t WrapSubtract(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

constexpr std::int32_t WrapMultiply(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

constexpr std::int32_t WrapNegate(std::int32_t a) {
    return WrapSubtract(0, a);
}

// The absolute value as the C runtime's abs gives it: abs(INT32_MIN) is INT32_MIN.
constexpr std::int32_t WrapAbs(std::int32_t a) {
    return a < 0 ? WrapNegate(a) : a;
}

// divisor must not be 0.
constexpr std::int32_t WrapDivide(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == -1) return WrapNegate(dividend);
    return dividend / divisor;
}

// The low 16 bits as a signed value, as a 16-bit field stores a 32-bit result.
constexpr std::int16_t Low16(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value)));
}

// A floating-point result as a 32-bit integer, truncated toward zero. Values
// beyond the 32-bit range wrap like the integer results do (the truncated value
// modulo 2^32); values with no 64-bit integer form (NaN, infinities, magnitudes
// of 2^63 and more) give 0.
inline std::int32_t TruncateToInt32(double value) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!(value > -kLimit && value < kLimit)) return 0;
    const auto whole = static_cast<std::int64_t>(value);  // truncates toward zero
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

static_assert(WrapMultiply(std::numeric_limits<std::int32_t>::max(), 2) == -2);
static_assert(WrapDivide(std::numeric_limits<std::int32_t>::min(), -1) ==
              std::numeric_limits<std::int32_t>::min());
static_assert(WrapDivide(-7, 2) == -3);
static_assert(Low16(40000) == 40000 - 65536);

}  // namespace lumtrak::model

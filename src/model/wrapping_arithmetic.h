#pragma once

#include <cstdint>
#include <limits>

// 32-bit two's-complement arithmetic: sums, differences and products wrap, and
// division truncates toward zero, with INT32_MIN / -1 wrapping to INT32_MIN
// instead of trapping. Stores into 16-bit fields keep the low 16 bits.
namespace lumtrak::model {

constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapMul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapNeg(std::int32_t a) {
    return WrapSub(0, a);
}
// The absolute value as the C runtime's abs gives it: abs(INT32_MIN) is INT32_MIN.
constexpr std::int32_t WrapAbs(std::int32_t a) {
    return a < 0 ? WrapNeg(a) : a;
}
// divisor must not be 0.
constexpr std::int32_t WrapDiv(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == -1) return WrapNeg(dividend);
    return dividend / divisor;
}

constexpr std::int16_t ToInt16(std::int32_t value) {
    return static_cast<std::int16_t>(value);
}

static_assert(WrapMul(std::numeric_limits<std::int32_t>::max(), 2) == -2);
static_assert(WrapDiv(std::numeric_limits<std::int32_t>::min(), -1) ==
              std::numeric_limits<std::int32_t>::min());
static_assert(WrapDiv(-7, 2) == -3);
static_assert(ToInt16(40000) == 40000 - 65536);

}  // namespace lumtrak::model

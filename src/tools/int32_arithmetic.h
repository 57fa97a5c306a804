#pragma once

#include <cstdint>

#include "model/wrapping_arithmetic.h"

// The tools compute with 32-bit signed integers that wrap round on overflow
// (two's complement), as the definitions' coordinates always have.
namespace lumtrak::tools {

using model::WrapAdd;
using model::WrapDiv;
using model::WrapMul;
using model::WrapNeg;
using model::WrapSub;

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

}  // namespace lumtrak::tools

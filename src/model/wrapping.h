#pragma once

#include <cstdint>

// 32-bit two's-complement arithmetic on values read from files. Sums,
// differences and products of file values wrap around as 32-bit registers do,
// instead of overflowing (which C++ leaves undefined): they are computed on
// unsigned values, whose arithmetic wraps, and converted back.
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

// The low 16 bits as a signed value, as a 16-bit field stores a 32-bit result.
constexpr std::int16_t Low16(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace lumtrak::model

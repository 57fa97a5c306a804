#pragma once

#include <cstdint>

#include "model/wrapping.h"

namespace lumtrak::model {

// Where a definition's coordinates go: an offset in model units, and the divisors
// that turn file units into model units. The height divisor is 3 (imperial) or 9
// (metric); the across-and-along divisor is the same, negated in a part that is
// turned round.
struct Placement {
    std::int32_t offX = 0;
    std::int32_t offY = 0;
    std::int32_t offZ = 0;
    std::int32_t heightDivisor = 3;
    std::int32_t planeDivisor = 3;

    std::int16_t Across(std::int32_t value) const { return Place(offX, value, planeDivisor); }
    std::int16_t Along(std::int32_t value) const { return Place(offY, value, planeDivisor); }
    std::int16_t Height(std::int32_t value) const { return Place(offZ, value, heightDivisor); }

    // offset + value div divisor, truncating toward zero, wrapped to 32 and then
    // 16 bits as the stored fields are.
    static std::int16_t Place(std::int32_t offset, std::int32_t value, std::int32_t divisor) {
        return Low16(Offset(offset, value, divisor));
    }
    static std::int32_t Offset(std::int32_t offset, std::int32_t value, std::int32_t divisor) {
        return WrapAdd(offset, Divide(value, divisor));
    }

    // value div divisor. Every coordinate of every load goes through here, so the
    // usual divisors get their own cases, which compile to multiplications.
    static std::int32_t Divide(std::int32_t value, std::int32_t divisor) {
        switch (divisor) {
            case 1:
                return value;
            case 3:
                return value / 3;
            case -3:
                return value / -3;
            case 9:
                return value / 9;
            case -9:
                return value / -9;
            default:
                return value / divisor;
        }
    }
};

}  // namespace lumtrak::model

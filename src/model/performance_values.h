#pragma once

#include <cstdint>
#include <string_view>

// The stored values of the performance statements. unitText is the lower-cased
// text from the value to the end of its field run; metric is the unit system in
// force. A unit word in the text overrides it; the imperial word wins when both
// occur. Arithmetic is 32-bit and wraps, divisions truncate toward zero.
namespace lumtrak::model {

std::int32_t TractiveEffortValue(std::int32_t value, std::string_view unitText, bool metric);
std::int32_t PowerValue(std::int32_t value, std::string_view unitText, bool metric);
std::int32_t WeightValue(std::int32_t value, std::string_view unitText, bool metric);
// The value is taken as 16-bit first; the result is miles per hour.
std::int16_t MaxSpeedValue(std::int32_t value, std::string_view unitText, bool metric);

}  // namespace lumtrak::model

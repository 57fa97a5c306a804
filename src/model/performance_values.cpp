#include "model/performance_values.h"

#include <initializer_list>

#include "model/wrapping.h"

namespace lumtrak::model {
namespace {

// Pounds of tractive effort per stored unit: an imperial figure is divided by it.
constexpr std::int32_t kPoundsPerTractiveUnit = 220;
// Horsepower to kilowatts as (100 × hp + 133) div 134: 134 horsepower make 100
// kilowatts, and the 133 rounds the quotient up.
constexpr std::int32_t kKilowattsPerHundredHorsepower = 100;
constexpr std::int32_t kHorsepowerPerHundredKilowatts = 134;
constexpr std::int32_t kHorsepowerRounding = kHorsepowerPerHundredKilowatts - 1;
// Kilograms in a metric tonne and in an imperial (long) ton.
constexpr std::int32_t kKilogramsPerTonne = 1000;
constexpr std::int32_t kKilogramsPerTon = 1016;
// Kilometres per hour to miles per hour as (100 × km/h) div 160: 160 km/h make
// 100 mph.
constexpr std::int32_t kMilesPerHundredKilometres = 100;
constexpr std::int32_t kKilometresPerHundredMiles = 160;

bool Contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

bool IsMetric(std::string_view unitText, bool metric,
              std::initializer_list<std::string_view> metricWords, std::string_view imperialWord) {
    for (std::string_view word : metricWords) {
        if (Contains(unitText, word)) metric = true;
    }
    if (Contains(unitText, imperialWord)) metric = false;
    return metric;
}

}  // namespace

std::int32_t TractiveEffortValue(std::int32_t value, std::string_view unitText, bool metric) {
    return IsMetric(unitText, metric, {"n"}, "lb") ? value : value / kPoundsPerTractiveUnit;
}

std::int32_t PowerValue(std::int32_t value, std::string_view unitText, bool metric) {
    if (IsMetric(unitText, metric, {"kw"}, "hp")) return value;
    return WrapAdd(WrapMultiply(kKilowattsPerHundredHorsepower, value), kHorsepowerRounding) /
           kHorsepowerPerHundredKilowatts;
}

std::int32_t WeightValue(std::int32_t value, std::string_view unitText, bool metric) {
    const bool tonnes = IsMetric(unitText, metric, {"tonnes"}, "tons");
    return WrapMultiply(tonnes ? kKilogramsPerTonne : kKilogramsPerTon, value);
}

std::int16_t MaxSpeedValue(std::int32_t value, std::string_view unitText, bool metric) {
    const std::int16_t stored = Low16(value);
    if (!IsMetric(unitText, metric, {"kmh", "kph"}, "mph")) return stored;
    return Low16(kMilesPerHundredKilometres * std::int32_t{stored} / kKilometresPerHundredMiles);
}

}  // namespace lumtrak::model

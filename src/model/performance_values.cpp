#include "model/performance_values.h"

namespace lumtrak::model {
namespace {

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

std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t TractiveEffortValue(std::int32_t value, std::string_view unitText, bool metric) {
    return IsMetric(unitText, metric, {"n"}, "lb") ? value : value / 220;
}

std::int32_t PowerValue(std::int32_t value, std::string_view unitText, bool metric) {
    if (IsMetric(unitText, metric, {"kw"}, "hp")) return value;
    return Wrap(100 * std::int64_t(value) + 133) / 134;
}

std::int32_t WeightValue(std::int32_t value, std::string_view unitText, bool metric) {
    return Wrap((IsMetric(unitText, metric, {"tonnes"}, "tons") ? 1000 : 1016) *
                std::int64_t(value));
}

std::int16_t MaxSpeedValue(std::int32_t value, std::string_view unitText, bool metric) {
    const auto stored = static_cast<std::int16_t>(value);
    if (!IsMetric(unitText, metric, {"kmh", "kph"}, "mph")) return stored;
    return static_cast<std::int16_t>((100 * std::int32_t(stored)) / 160);
}

}  // namespace lumtrak::model

#include "platform/settings_values.h"

#include <charconv>

namespace lumtrak::platform {

std::int32_t ReadIntegerSetting(SettingsStore& settings, const std::string& group,
                                const std::string& key, std::int32_t fallback) {
    const std::optional<std::string> text = settings.Read(group, key);
    if (!text) return fallback;
    const char* first = text->data();
    const char* last = first + text->size();
    if (first != last && *first == '+') ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return fallback;
    return value;
}

}  // namespace lumtrak::platform

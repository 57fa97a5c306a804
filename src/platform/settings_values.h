#pragma once

#include <cstdint>
#include <string>

#include "platform/settings_store.h"

namespace lumtrak::platform {

// The integer setting group/key, or fallback when it is missing or is not a
// decimal integer (an optional sign and digits, nothing else) within 32 bits.
std::int32_t ReadIntegerSetting(SettingsStore& settings, const std::string& group,
                                const std::string& key, std::int32_t fallback);

}  // namespace lumtrak::platform

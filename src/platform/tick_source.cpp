#include "platform/tick_source.h"

#include <chrono>

namespace lumtrak::platform {

std::uint32_t SteadyTickSource::TickCount() {
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(milliseconds.count()));
}

}  // namespace lumtrak::platform

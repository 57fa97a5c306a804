#pragma once

#include <cstdint>

namespace lumtrak::platform {

// The system's millisecond tick count: an unsigned 32-bit value that wraps
// about every 49.7 days. Code that turns or moves with time reads it here, so
// that tests and the command line can fix the time.
class TickSource {
  public:
    virtual ~TickSource() = default;
    virtual std::uint32_t TickCount() = 0;
};

// Milliseconds of the monotonic clock, which on Linux counts from boot.
class SteadyTickSource : public TickSource {
  public:
    std::uint32_t TickCount() override;
};

// A tick count that only moves when it is set.
class FixedTickSource : public TickSource {
  public:
    explicit FixedTickSource(std::uint32_t tick = 0) : tick_(tick) {}
    std::uint32_t TickCount() override { return tick_; }
    void Set(std::uint32_t tick) { tick_ = tick; }

  private:
    std::uint32_t tick_;
};

}  // namespace lumtrak::platform

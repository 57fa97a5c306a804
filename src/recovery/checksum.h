#pragma once

#include <cstdint>
#include <string_view>

namespace lumtrak::recovery {

// The CRC-32 of the bytes given so far (the polynomial of zip and PNG), taken
// a piece at a time.
class Crc32 {
  public:
    void Add(std::string_view bytes);
    std::uint32_t Value() const { return ~state_; }

  private:
    std::uint32_t state_ = 0xFFFFFFFFu;
};

}  // namespace lumtrak::recovery

#pragma once

#include <cstddef>
#include <string_view>

namespace lumtrak::model {

// A whole definition text (an edit buffer or a mapped file). Readers walk it with
// cursor offsets; the byte at End() is the terminating zero, and so is every byte
// a cursor may reach beyond it, so no reader ever looks outside the buffer.
class DefinitionText {
  public:
    constexpr DefinitionText() = default;
    constexpr explicit DefinitionText(std::string_view bytes) : bytes_(bytes) {}

    constexpr char operator[](std::size_t pos) const {
        return pos < bytes_.size() ? bytes_[pos] : '\0';
    }
    constexpr std::size_t End() const { return bytes_.size(); }
    constexpr std::string_view Bytes() const { return bytes_; }
    constexpr const char* Data() const { return bytes_.data(); }

  private:
    std::string_view bytes_;
};

using Cursor = std::size_t;

}  // namespace lumtrak::model

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

    // The bytes from `from` up to `to`, both clamped to the end: a cursor may lie
    // past the end, and what lies there is an empty text.
    constexpr std::string_view Slice(std::size_t from, std::size_t to) const {
        from = from < bytes_.size() ? from : bytes_.size();
        to = to < bytes_.size() ? to : bytes_.size();
        return from < to ? bytes_.substr(from, to - from) : std::string_view();
    }

  private:
    std::string_view bytes_;
};

using Cursor = std::size_t;

}  // namespace lumtrak::model

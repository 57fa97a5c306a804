#include "recovery/checksum.h"

#include <array>

namespace lumtrak::recovery {
namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t value = byte;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1u) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        table[byte] = value;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

void Crc32::Add(std::string_view bytes) {
    std::uint32_t state = state_;
    for (const char c : bytes)
        state = kTable[(state ^ static_cast<unsigned char>(c)) & 0xFFu] ^ (state >> 8);
    state_ = state;
}

}  // namespace lumtrak::recovery

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Definition bytes as characters: bytes 0x80 to 0xFF are Windows-1252 (the
// pound sign 0xA3, the euro sign 0x80). The five bytes that the character set
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same numbers, so every byte is a character and back.
namespace lumtrak::platform {

char32_t Windows1252CodePoint(unsigned char byte);

// The byte of a character; none for a character outside the set.
std::optional<unsigned char> Windows1252Byte(char32_t codePoint);

// Definition bytes as UTF-8 text, for files that other programs read as such.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace lumtrak::platform

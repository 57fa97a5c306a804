#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rm/image.h"

namespace lumtrak::rm {

// Reads a BMP file: 1, 4 and 8 bits per pixel with a palette (uncompressed, or
// run-length encoded at 4 and 8 bits) give a palettised image that keeps the
// palette indices; 16, 24 and 32 bits give a true-colour image. Nothing for bytes
// that are not such a file, whose pixels the file cannot hold, or that is larger
// than any texture (65536 pixels a side, 2^26 in all; 2^24 when run-length
// encoded, since a few bytes of runs can describe any size).
std::optional<Image> ReadBmp(std::span<const std::uint8_t> bytes);

// The memory that the image ReadBmp would give for bytes takes, told by the
// header alone (at most a palette of 256 colours counted); nothing when the
// header is not one that ReadBmp reads.
std::optional<std::size_t> BmpPictureBytes(std::span<const std::uint8_t> bytes);

// Writes an image as an uncompressed BMP file, bottom row first: a palettised
// image at 8 bits per pixel with its palette, a true-colour one at 24 bits.
std::vector<std::uint8_t> WriteBmp(const Image& image);

}  // namespace lumtrak::rm

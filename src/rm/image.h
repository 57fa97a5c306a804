#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rm/colour.h"

namespace lumtrak::rm {

// A picture in memory, rows top first. It is either palettised (one palette
// index per pixel in `indices`, each row exactly `width` bytes) or true colour
// (one 0x00RRGGBB value per pixel in `pixels`). Textures made from an image share
// it: painting the indices changes every texture made from it.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // palettised images only
    std::vector<Colour> palette;        // 0x00RRGGBB, up to 256 entries
    std::vector<Colour> pixels;         // true-colour images only

    bool Palettised() const { return pixels.empty(); }
    std::size_t PixelCount() const {
        return width > 0 && height > 0 ? std::size_t(width) * std::size_t(height) : 0;
    }
    // The memory that its pixels and palette take.
    std::size_t MemoryBytes() const {
        return indices.size() + (palette.size() + pixels.size()) * sizeof(Colour);
    }
    // Dimensions and pixel memory agree, so the image can be drawn.
    bool Complete() const {
        const std::size_t count = PixelCount();
        return count > 0 && (Palettised() ? indices.size() == count : pixels.size() == count);
    }
};

// A palettised image of that size, every index 0, with an empty palette.
Image MakePalettisedImage(int width, int height);

}  // namespace lumtrak::rm

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumtrak::preview3d {

// A one-bit picture: one byte per pixel, 1 where text was painted, rows top
// first.
struct MonoBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               bits[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0;
    }
};

// Paints label text the way the label textures show it: the bytes as
// Windows-1252 characters in the font family "Arial" with a 32-pixel cell
// height, white on black, centred across the top of a picture of the given
// size; an '&' underlines the character after it and "&&" is one '&'. The
// shells paint with their toolkit; tests use a fake.
class TextRaster {
  public:
    virtual ~TextRaster() = default;
    virtual MonoBitmap PaintText(std::string_view text, int width, int height) = 0;
};

// A raster that paints nothing, for scenes built without a toolkit.
class BlankTextRaster final : public TextRaster {
  public:
    MonoBitmap PaintText(std::string_view, int width, int height) override;
};

}  // namespace lumtrak::preview3d

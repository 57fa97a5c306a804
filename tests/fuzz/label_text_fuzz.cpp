// The label raster on arbitrary text: the first two bytes give the picture's
// size, the rest is the label. The picture keeps its size, holds only 0 and 1,
// and the lines of the text hold every byte that is not an '&' or line feed.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "preview3d/font_text_raster.h"
#include "preview3d/label_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static lumtrak::preview3d::FontTextRaster raster;
    const int width = data[0] % 97 - 1;
    const int height = data[1] % 61 - 1;
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    std::size_t characters = 0;
    const auto lines = lumtrak::preview3d::LabelLines(text);
    for (const auto& line : lines)
        characters += line.size();
    if (lines.empty() || characters > text.size()) std::abort();

    const auto bitmap = raster.PaintText(text, width, height);
    const std::size_t pixels =
        width > 0 && height > 0 ? std::size_t(width) * std::size_t(height) : 0;
    if (bitmap.bits.size() != pixels) std::abort();
    for (const std::uint8_t bit : bitmap.bits) {
        if (bit > 1) std::abort();
    }
    return 0;
}

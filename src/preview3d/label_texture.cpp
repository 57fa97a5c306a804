#include "preview3d/label_texture.h"

namespace lumtrak::preview3d {

MonoBitmap BlankTextRaster::PaintText(std::string_view, int width, int height) {
    MonoBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bits.assign(std::size_t(width > 0 ? width : 0) * std::size_t(height > 0 ? height : 0),
                       0);
    return bitmap;
}

std::shared_ptr<rm::Texture> MakeLabelTexture(rm::Engine& engine,
                                              const std::shared_ptr<rm::Image>& image,
                                              std::string_view text, std::uint8_t background,
                                              std::uint8_t foreground, TextRaster& raster) {
    if (!image || !image->Complete()) return nullptr;
    const int width = image->width;
    const int height = image->height;
    const MonoBitmap painted = raster.PaintText(text, width, height);
    const auto w = static_cast<std::size_t>(width);
    for (int y = 0; y < height; ++y) {
        // The painted rows come bottom row first.
        const int source = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t index = painted.At(x, source) ? foreground : background;
            const std::size_t at = std::size_t(y) * w + std::size_t(x);
            if (image->Palettised()) {
                image->indices[at] = index;
            } else {
                image->pixels[at] = rm::Colour(index) * 0x010101u;
            }
        }
    }
    return engine.CreateTexture(image);
}

MonoBitmap CachingTextRaster::PaintText(std::string_view text, int width, int height) {
    const auto key = std::tuple(std::string(text), width, height);
    if (auto found = painted_.find(key); found != painted_.end()) return found->second;
    MonoBitmap bitmap = raster_.PaintText(text, width, height);
    painted_.emplace(key, bitmap);
    return bitmap;
}

}  // namespace lumtrak::preview3d

#include "export/texture_pictures.h"

#include "rm/png_file.h"

namespace lumtrak::exporter {

std::vector<rm::Colour> TexturePixels(const ExportTexture& texture) {
    const rm::Image& image = *texture.image;
    constexpr rm::Colour kOpaque = 0xFF000000u;
    std::vector<rm::Colour> pixels(image.PixelCount());
    if (image.Palettised()) {
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint8_t index = image.indices[i];
            const rm::Colour colour =
                (index < image.palette.size() ? image.palette[index] : 0) & 0xFFFFFFu;
            pixels[i] = texture.decal && index == 0 ? colour : colour | kOpaque;
        }
    } else {
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const rm::Colour colour = image.pixels[i] & 0xFFFFFFu;
            pixels[i] = texture.decal && colour == 0 ? colour : colour | kOpaque;
        }
    }
    return pixels;
}

std::string TexturePng(const ExportTexture& texture) {
    return rm::PngFileBytes(texture.image->width, texture.image->height, TexturePixels(texture),
                            texture.decal ? rm::PngAlpha::Keep : rm::PngAlpha::Drop);
}

}  // namespace lumtrak::exporter

#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "preview3d/text_raster.h"
#include "rm/engine.h"

namespace lumtrak::preview3d {

// Paints text into image in place, as palette index foreground on background,
// and gives a new texture drawing that image. The text stands centred across
// the top of the painted picture, whose rows go into the image bottom first, so
// it is upside down in the image's row order. Every texture made from the same
// image shows the text painted last. A true-colour image takes the indices as
// grey levels. None for a missing or incomplete image.
std::shared_ptr<rm::Texture> MakeLabelTexture(rm::Engine& engine,
                                              const std::shared_ptr<rm::Image>& image,
                                              std::string_view text, std::uint8_t background,
                                              std::uint8_t foreground, TextRaster& raster);

// Keeps what a raster painted for each text and size: a scene paints the same
// label onto many faces.
class CachingTextRaster final : public TextRaster {
  public:
    explicit CachingTextRaster(TextRaster& raster) : raster_(raster) {}
    MonoBitmap PaintText(std::string_view text, int width, int height) override;

  private:
    TextRaster& raster_;
    std::map<std::tuple<std::string, int, int>, MonoBitmap, std::less<>> painted_;
};

}  // namespace lumtrak::preview3d

#pragma once

#include "preview3d/text_raster.h"

namespace lumtrak::qtshell {

// Paints label text with QPainter into a one-bit image, in the font family
// "Arial" sized so that its cell (ascent plus descent) is 32 pixels high, as
// the label textures show it. Needs a QGuiApplication (see OffscreenGui).
class QtTextRaster final : public preview3d::TextRaster {
  public:
    preview3d::MonoBitmap PaintText(std::string_view text, int width, int height) override;
};

}  // namespace lumtrak::qtshell

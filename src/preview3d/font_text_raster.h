#pragma once

#include <memory>

#include "preview3d/text_raster.h"

namespace lumtrak::preview3d {

// Paints label text with FreeType in the font that fontconfig chooses for
// "Arial" (a metric-compatible one such as Liberation Sans where Arial is not
// installed), at the size whose cell, ascent plus descent, is 32 pixels: glyphs
// hinted and rendered in one bit, placed at whole pixels from unhinted
// advances with the font's kerning, each line centred across the picture. The
// editor and the command line paint every label through it. The font is looked
// up on the first painting; without one, labels stay blank.
class FontTextRaster final : public TextRaster {
  public:
    FontTextRaster();
    ~FontTextRaster() override;
    FontTextRaster(const FontTextRaster&) = delete;
    FontTextRaster& operator=(const FontTextRaster&) = delete;

    MonoBitmap PaintText(std::string_view text, int width, int height) override;

    // Whether a font was found (looking it up if that has not happened yet).
    bool HasFont();

  private:
    class Font;
    std::unique_ptr<Font> font_;
    bool lookedUp_ = false;
};

}  // namespace lumtrak::preview3d

#include "preview3d/font_text_raster.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "preview3d/label_lines.h"

namespace lumtrak::preview3d {
namespace {

constexpr int kCellHeight = 32;

// The file and face index that fontconfig chooses for the family, through a
// configuration of its own that is released afterwards: nothing of fontconfig
// stays behind, and whatever else in the process uses it is left alone.
std::optional<std::pair<std::string, int>> MatchFontFile(const char* family) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return std::nullopt;
    std::optional<std::pair<std::string, int>> found;
    if (FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family))) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                found.emplace(reinterpret_cast<const char*>(file), index);
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return found;
}

// 26.6 fixed point as a real number.
double Pixels(FT_Pos value) {
    return double(value) / 64.0;
}

// A glyph as painted: its one-bit picture, where that stands from the pen
// position on the baseline, and the unhinted advance (26.6, truncated).
struct Glyph {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> ink;  // one byte a pixel
    FT_Pos advance = 0;
};

}  // namespace

class FontTextRaster::Font {
  public:
    ~Font() {
        if (face_ != nullptr) FT_Done_Face(face_);
        if (library_ != nullptr) FT_Done_FreeType(library_);
    }

    bool Open(const std::string& file, int index);
    void Paint(std::string_view text, MonoBitmap& bitmap);

  private:
    const Glyph& GlyphOf(FT_UInt index);
    // The kerning between two glyphs, in 26.6 rounded from font units.
    FT_Pos Kerning(FT_UInt left, FT_UInt right) const;
    void PaintLine(const LabelLine& line, bool followed, double top, MonoBitmap& bitmap);
    static void Blit(const Glyph& glyph, int left, int top, MonoBitmap& bitmap);
    void Underline(double baseline, double from, double to, MonoBitmap& bitmap) const;

    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    FT_Pos ascent_ = 0;
    FT_Pos descent_ = 0;
    FT_Pos leading_ = 0;
    FT_Pos underlineThickness_ = 0;
    FT_Pos underlinePosition_ = 0;  // below the baseline, to the line's top
    std::map<FT_UInt, Glyph> glyphs_;
};

bool FontTextRaster::Font::Open(const std::string& file, int index) {
    if (FT_Init_FreeType(&library_) != 0) return false;
    if (FT_New_Face(library_, file.c_str(), index, &face_) != 0) return false;
    if (!FT_IS_SCALABLE(face_)) return false;
    // The size whose ascent plus descent is the cell.
    if (FT_Set_Pixel_Sizes(face_, 0, kCellHeight) != 0) return false;
    const FT_Fixed scale32 = face_->size->metrics.y_scale;
    const FT_Pos cell = FT_MulFix(face_->ascender, scale32) - FT_MulFix(face_->descender, scale32);
    if (cell <= 0) return false;
    const long pixels = std::max(1L, std::lround(kCellHeight * kCellHeight / Pixels(cell)));
    if (FT_Set_Pixel_Sizes(face_, 0, FT_UInt(pixels)) != 0) return false;

    const FT_Fixed scale = face_->size->metrics.y_scale;
    ascent_ = FT_MulFix(face_->ascender, scale);
    descent_ = -FT_MulFix(face_->descender, scale);
    leading_ = FT_MulFix(face_->height, scale) - ascent_ - descent_;
    underlineThickness_ = FT_MulFix(face_->underline_thickness, scale);
    underlinePosition_ = -FT_MulFix(face_->underline_position, scale) - underlineThickness_ / 2;
    return true;
}

const Glyph& FontTextRaster::Font::GlyphOf(FT_UInt index) {
    if (auto found = glyphs_.find(index); found != glyphs_.end()) return found->second;
    Glyph& glyph = glyphs_[index];
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) != 0) return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    glyph.advance = slot->linearHoriAdvance >> 10;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;
    const FT_Bitmap& rendered = slot->bitmap;
    if (rendered.pitch <= 0 || rendered.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(rendered.width);
    glyph.rows = int(rendered.rows);
    glyph.ink.resize(std::size_t(glyph.width) * std::size_t(glyph.rows));
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* bits = rendered.buffer + std::ptrdiff_t(row) * rendered.pitch;
        for (int column = 0; column < glyph.width; ++column) {
            glyph.ink[std::size_t(row) * std::size_t(glyph.width) + std::size_t(column)] =
                (bits[column / 8] >> (7 - column % 8)) & 1;
        }
    }
    return glyph;
}

FT_Pos FontTextRaster::Font::Kerning(FT_UInt left, FT_UInt right) const {
    FT_Vector kerning{};
    if (FT_Get_Kerning(face_, left, right, FT_KERNING_UNSCALED, &kerning) != 0) return 0;
    if (kerning.x == 0) return 0;
    // Font units to 26.6 at the pixel size, rounded half away from zero.
    const long long units = face_->units_per_EM;
    const long long scaled = (long long)kerning.x * face_->size->metrics.y_ppem * 64 * 2;
    return FT_Pos((scaled + (scaled >= 0 ? units : -units)) / (2 * units));
}

void FontTextRaster::Font::Paint(std::string_view text, MonoBitmap& bitmap) {
    const std::vector<LabelLine> lines = LabelLines(text);
    // Lines stand on whole pixels, one below the other with the font's leading
    // between them, as long as they begin inside the picture.
    double height = -Pixels(leading_);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        height = std::ceil(height + Pixels(leading_));
        PaintLine(lines[i], i + 1 < lines.size(), height, bitmap);
        height += Pixels(ascent_ + descent_);
        if (height >= bitmap.height) break;
    }
}

void FontTextRaster::Font::PaintLine(const LabelLine& line, bool followed, double top,
                                     MonoBitmap& bitmap) {
    // The advance of each character, with the kerning between neighbours added
    // to the one before.
    std::vector<FT_UInt> indices(line.size(), 0);
    std::vector<FT_Pos> advances(line.size(), 0);
    FT_Pos width = 0;
    std::size_t before = line.size();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!line[i].shown) {
            if (line[i].widensLine) {
                width += GlyphOf(FT_Get_Char_Index(face_, line[i].codePoint)).advance;
            }
            continue;
        }
        indices[i] = FT_Get_Char_Index(face_, line[i].codePoint);
        advances[i] = GlyphOf(indices[i]).advance;
        if (line[i].kerned && indices[before] != 0) {
            const FT_Pos kerning = Kerning(indices[before], indices[i]);
            advances[before] += kerning;
            width += kerning;
        }
        width += advances[i];
        before = i;
    }
    if (followed) {
        for (std::size_t i = line.size(); i-- > 0 && IsTrailingBlankInLabel(line[i].codePoint);)
            width -= advances[i];
    }

    // Centred, the start truncated to 26.6.
    double pen = std::trunc((bitmap.width - Pixels(width)) / 2 * 64) / 64;
    const double baseline = top + Pixels(ascent_);
    const int baselineRow = int(std::lround(baseline));
    for (std::size_t i = 0; i < line.size(); ++i) {
        const double next = pen + Pixels(advances[i]);
        if (line[i].underlined) Underline(baseline, pen, next, bitmap);
        if (line[i].shown) {
            const Glyph& glyph = GlyphOf(indices[i]);
            Blit(glyph, int(std::floor(pen)) + glyph.left, baselineRow - glyph.top, bitmap);
        }
        pen = next;
    }
}

void FontTextRaster::Font::Blit(const Glyph& glyph, int left, int top, MonoBitmap& bitmap) {
    for (int row = 0; row < glyph.rows; ++row) {
        const int y = top + row;
        if (y < 0 || y >= bitmap.height) continue;
        for (int column = 0; column < glyph.width; ++column) {
            const int x = left + column;
            if (x < 0 || x >= bitmap.width) continue;
            if (glyph.ink[std::size_t(row) * std::size_t(glyph.width) + std::size_t(column)] != 0) {
                bitmap.bits[std::size_t(y) * std::size_t(bitmap.width) + std::size_t(x)] = 1;
            }
        }
    }
}

void FontTextRaster::Font::Underline(double baseline, double from, double to,
                                     MonoBitmap& bitmap) const {
    // The line's centre is put a little lower than the font says, so that it
    // keeps clear of the text, but within the descent.
    const double offset = Pixels(underlinePosition_);
    double centre = std::ceil(offset) + 0.5;
    if (offset <= Pixels(descent_)) centre = std::min(centre, Pixels(descent_) - 0.5);
    centre += baseline;
    const double half = Pixels(underlineThickness_) / 2;
    const int firstColumn = std::max(0, int(std::floor(from)));
    const int endColumn = std::min(bitmap.width, int(std::floor(to)));
    for (int y = 0; y < bitmap.height; ++y) {
        // Rows whose centres the line covers.
        if (y + 0.5 < centre - half || y + 0.5 >= centre + half) continue;
        for (int x = firstColumn; x < endColumn; ++x)
            bitmap.bits[std::size_t(y) * std::size_t(bitmap.width) + std::size_t(x)] = 1;
    }
}

FontTextRaster::FontTextRaster() = default;
FontTextRaster::~FontTextRaster() = default;

bool FontTextRaster::HasFont() {
    if (!lookedUp_) {
        lookedUp_ = true;
        if (const auto file = MatchFontFile("Arial")) {
            auto font = std::make_unique<Font>();
            if (font->Open(file->first, file->second)) font_ = std::move(font);
        }
    }
    return font_ != nullptr;
}

MonoBitmap FontTextRaster::PaintText(std::string_view text, int width, int height) {
    MonoBitmap bitmap;
    if (width <= 0 || height <= 0) return bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bits.assign(std::size_t(width) * std::size_t(height), 0);
    if (HasFont()) font_->Paint(text, bitmap);
    return bitmap;
}

}  // namespace lumtrak::preview3d

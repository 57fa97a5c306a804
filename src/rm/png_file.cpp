#include "rm/png_file.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace lumtrak::rm {
namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void FlushNothing(png_structp) {}

void IgnoreWarning(png_structp, png_const_charp) {}

// The encoder reports its failures by a long jump back to here; nothing with a
// destructor lives in this frame.
bool Encode(png_structp png, png_infop info, int width, int height, const Colour* pixels,
            bool withAlpha, std::uint8_t* row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t channels = withAlpha ? 4 : 3;
    for (int y = 0; y < height; ++y) {
        const Colour* source = pixels + std::size_t(y) * std::size_t(width);
        std::uint8_t* out = row;
        for (int x = 0; x < width; ++x) {
            out[0] = RedOf(source[x]);
            out[1] = GreenOf(source[x]);
            out[2] = BlueOf(source[x]);
            if (withAlpha) out[3] = AlphaOf(source[x]);
            out += channels;
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::string PngFileBytes(int width, int height, std::span<const Colour> pixels, PngAlpha alpha) {
    if (width <= 0 || height <= 0) return {};
    if (pixels.size() / std::size_t(width) < std::size_t(height)) return {};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, &IgnoreWarning);
    if (png == nullptr) return {};
    png_infop info = png_create_info_struct(png);
    std::string bytes;
    const bool withAlpha = alpha == PngAlpha::Keep;
    std::vector<std::uint8_t> row(std::size_t(width) * (withAlpha ? 4 : 3));
    bool encoded = false;
    if (info != nullptr) {
        png_set_write_fn(png, &bytes, &AppendBytes, &FlushNothing);
        encoded = Encode(png, info, width, height, pixels.data(), withAlpha, row.data());
    }
    png_destroy_write_struct(&png, &info);
    if (!encoded) return {};
    return bytes;
}

}  // namespace lumtrak::rm

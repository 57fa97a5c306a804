#include "preview3d/bitmap_file.h"

#include <array>
#include <filesystem>
#include <limits>
#include <system_error>

#include "platform/file_replacement.h"

namespace lumtrak::preview3d {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

int RoundBits(int bits) {
    if (bits <= 1) return 1;
    if (bits <= 4) return 4;
    if (bits <= 8) return 8;
    if (bits <= 16) return 16;
    if (bits <= 24) return 24;
    return 32;
}

// The palettes written for screens of 8 bits and fewer: black and white, the
// sixteen standard colours, and 3-3-2 levels of red, green and blue.
std::vector<rm::Colour> PaletteFor(int bits) {
    if (bits == 1) return {0x000000, 0xFFFFFF};
    if (bits == 4) {
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    }
    std::vector<rm::Colour> palette;
    for (std::uint32_t i = 0; i < 256; ++i) {
        const std::uint32_t red = ((i >> 5) & 7) * 255 / 7;
        const std::uint32_t green = ((i >> 2) & 7) * 255 / 7;
        const std::uint32_t blue = (i & 3) * 255 / 3;
        palette.push_back(red << 16 | green << 8 | blue);
    }
    return palette;
}

std::uint32_t NearestIndex(const std::vector<rm::Colour>& palette, rm::Colour colour) {
    if (palette.size() == 256) {
        return std::uint32_t(rm::RedOf(colour) >> 5) << 5 |
               std::uint32_t(rm::GreenOf(colour) >> 5) << 2 |
               std::uint32_t(rm::BlueOf(colour) >> 6);
    }
    std::uint32_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::uint32_t i = 0; i < palette.size(); ++i) {
        const int dr = rm::RedOf(colour) - rm::RedOf(palette[i]);
        const int dg = rm::GreenOf(colour) - rm::GreenOf(palette[i]);
        const int db = rm::BlueOf(colour) - rm::BlueOf(palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void U16(std::uint32_t value) {
        for (int i = 0; i < 2; ++i)
            out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

  private:
    std::vector<std::uint8_t>& out_;
};

// Writes one pixel of the given depth at bit offset `bit` of row.
void PutPixel(std::uint8_t* row, std::size_t x, int bits, rm::Colour colour,
              const std::vector<rm::Colour>& palette) {
    switch (bits) {
        case 32:
        case 24: {
            std::uint8_t* p = row + x * std::size_t(bits / 8);
            p[0] = rm::BlueOf(colour);
            p[1] = rm::GreenOf(colour);
            p[2] = rm::RedOf(colour);
            return;
        }
        case 16: {
            const std::uint32_t value = std::uint32_t(rm::RedOf(colour) >> 3) << 10 |
                                        std::uint32_t(rm::GreenOf(colour) >> 3) << 5 |
                                        std::uint32_t(rm::BlueOf(colour) >> 3);
            row[2 * x] = static_cast<std::uint8_t>(value);
            row[2 * x + 1] = static_cast<std::uint8_t>(value >> 8);
            return;
        }
        default: {
            const std::uint32_t index = NearestIndex(palette, colour);
            const std::size_t bit = x * std::size_t(bits);
            const auto shift = static_cast<unsigned>(8 - bits - int(bit % 8));
            row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | (index << shift));
            return;
        }
    }
}

}  // namespace

std::optional<BitmapFileLayout> LayoutOfBitmapFile(const CaptureBitmap& bitmap) {
    BitmapFileLayout layout;
    layout.roundedBits = RoundBits(bitmap.planes * bitmap.bitsPerPixel);
    const auto b = static_cast<std::uint64_t>(layout.roundedBits);
    layout.coloursUsed = b < 24 ? std::uint32_t(1) << b : 0;
    const std::uint64_t width = bitmap.width > 0 ? std::uint64_t(bitmap.width) : 0;
    const std::uint64_t height = bitmap.height > 0 ? std::uint64_t(bitmap.height) : 0;
    const std::uint64_t imageSize = (width + 7) / 8 * height * b;
    const std::uint64_t offset =
        kFileHeaderSize + kInfoHeaderSize + 4 * std::uint64_t(layout.coloursUsed);
    if (offset + imageSize > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    layout.imageSize = static_cast<std::uint32_t>(imageSize);
    layout.bitsOffset = static_cast<std::uint32_t>(offset);
    layout.fileSize = static_cast<std::uint32_t>(offset + imageSize);
    return layout;
}

std::vector<std::uint8_t> BitmapFileBytes(const CaptureBitmap& bitmap) {
    const auto layout = LayoutOfBitmapFile(bitmap);
    if (!layout) return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(layout->fileSize);
    ByteWriter out(bytes);
    out.U16(0x4D42);  // "BM"
    out.U32(layout->fileSize);
    out.U16(0);
    out.U16(0);
    out.U32(layout->bitsOffset);

    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(bitmap.width));
    out.U32(static_cast<std::uint32_t>(bitmap.height));
    out.U16(static_cast<std::uint32_t>(bitmap.planes));
    out.U16(static_cast<std::uint32_t>(bitmap.bitsPerPixel));
    out.U32(0);  // uncompressed
    out.U32(layout->imageSize);
    out.U32(0);
    out.U32(0);
    out.U32(layout->coloursUsed);
    out.U32(0);

    const int bits = layout->roundedBits;
    // Only the palettised depths have a colour table to fill; the 16-bit one
    // stays zero.
    const std::vector<rm::Colour> palette =
        bits <= 8 ? PaletteFor(bits) : std::vector<rm::Colour>{};
    for (std::uint32_t i = 0; i < layout->coloursUsed; ++i) {
        const rm::Colour entry = i < palette.size() ? palette[i] : 0;
        bytes.push_back(rm::BlueOf(entry));
        bytes.push_back(rm::GreenOf(entry));
        bytes.push_back(rm::RedOf(entry));
        bytes.push_back(0);
    }

    const std::size_t start = bytes.size();
    bytes.resize(start + layout->imageSize, 0);
    if (bitmap.width <= 0 || bitmap.height <= 0) return bytes;
    const auto width = static_cast<std::size_t>(bitmap.width);
    const auto height = static_cast<std::size_t>(bitmap.height);
    if (bitmap.pixels.size() != width * height) return bytes;
    const std::size_t stride = (width * std::size_t(bits) + 31) / 32 * 4;
    // Rows that the image size cannot hold whole are left out.
    const std::size_t rows = std::min(height, std::size_t(layout->imageSize) / stride);
    for (std::size_t r = 0; r < rows; ++r) {
        std::uint8_t* row = bytes.data() + start + r * stride;
        const rm::Colour* source = bitmap.pixels.data() + (height - 1 - r) * width;
        for (std::size_t x = 0; x < width; ++x)
            PutPixel(row, x, bits, source[x], palette);
    }
    return bytes;
}

std::error_code WriteBitmapFile(const CaptureBitmap& bitmap, const std::string& path) {
    const auto bytes = BitmapFileBytes(bitmap);
    if (bytes.empty()) return std::make_error_code(std::errc::file_too_large);
    platform::ReplacementOptions options;
    options.replaceName = true;
    return platform::ReplaceFile(
               path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
               options)
        .error;
}

std::string DefaultCaptureFolder() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : folder.string();
}

std::string CaptureFramePath(const std::string& folder, int counter) {
    std::string number = std::to_string(counter);
    if (number.size() < 2) number.insert(0, 2 - number.size(), '0');
    return (std::filesystem::path(folder) / ("Temp" + number + ".bmp")).string();
}

}  // namespace lumtrak::preview3d

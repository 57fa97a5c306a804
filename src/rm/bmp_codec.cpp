#include "rm/bmp_codec.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace lumtrak::rm {
namespace {

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

// No texture is this large; a header that asks for more is not believed.
constexpr std::int64_t kLargestSide = 1 << 16;
constexpr std::uint64_t kLargestPixels = 1u << 26;
// Run-length data can describe any size in a few bytes, so its images are
// capped outright.
constexpr std::uint64_t kLargestRlePixels = 1u << 24;

// Little-endian fields at fixed offsets; reads outside the bytes give nothing.
class Bytes {
  public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Size() const { return bytes_.size(); }
    bool Has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint8_t U8(std::size_t offset) const { return bytes_[offset]; }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const {
        return std::uint32_t(U16(offset)) | std::uint32_t(U16(offset + 2)) << 16;
    }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

  private:
    std::span<const std::uint8_t> bytes_;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // rows; positive
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kUncompressed;
    std::uint32_t coloursUsed = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t bitsOffset = 0;
};

std::optional<Header> ReadHeader(const Bytes& in) {
    if (!in.Has(0, 18) || in.U8(0) != 'B' || in.U8(1) != 'M') return std::nullopt;
    Header h;
    h.bitsOffset = in.U32(10);
    const std::uint32_t headerSize = in.U32(14);
    if (!in.Has(14, headerSize)) return std::nullopt;
    if (headerSize == 12) {
        h.width = in.U16(18);
        h.height = in.U16(20);
        h.bitCount = in.U16(24);
        h.paletteEntrySize = 3;
    } else if (headerSize >= 40) {
        h.width = in.I32(18);
        const std::int64_t height = in.I32(22);
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        h.bitCount = in.U16(28);
        h.compression = in.U32(30);
        h.coloursUsed = in.U32(46);
        if (h.compression == kBitFields) {
            // The masks follow a plain 40-byte header, or are part of a longer one.
            if (!in.Has(54, 12)) return std::nullopt;
            for (int i = 0; i < 3; ++i)
                h.masks[i] = in.U32(54 + 4 * std::size_t(i));
        }
    } else {
        return std::nullopt;
    }
    h.paletteOffset = 14 + std::size_t(headerSize);
    if (h.compression == kBitFields && headerSize == 40) h.paletteOffset += 12;
    if (h.width < 1 || h.height < 1 || h.width > kLargestSide || h.height > kLargestSide ||
        std::uint64_t(h.width) * std::uint64_t(h.height) > kLargestPixels) {
        return std::nullopt;
    }
    return h;
}

std::vector<Colour> ReadPalette(const Bytes& in, const Header& h) {
    std::uint64_t count = h.coloursUsed != 0 ? h.coloursUsed : 1u << h.bitCount;
    count = std::min<std::uint64_t>(count, 1u << h.bitCount);
    std::vector<Colour> palette;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = h.paletteOffset + i * h.paletteEntrySize;
        if (!in.Has(at, 3)) break;
        const std::size_t p = std::size_t(at);
        palette.push_back(Colour(in.U8(p + 2)) << 16 | Colour(in.U8(p + 1)) << 8 | in.U8(p));
    }
    return palette;
}

// One channel of a bit-field pixel, scaled to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    const std::uint32_t top = mask >> std::countr_zero(mask);
    return top == 0 ? 0 : std::uint32_t(std::uint64_t(value) * 255 / top);
}

// Destination row of the i-th row stored in the file.
std::size_t TargetRow(const Header& h, std::int64_t stored) {
    return std::size_t(h.topDown ? stored : h.height - 1 - stored);
}

bool ReadUncompressed(const Bytes& in, const Header& h, Image& image) {
    const std::uint64_t rowBytes = (std::uint64_t(h.width) * h.bitCount + 7) / 8;
    const std::uint64_t stride = (std::uint64_t(h.width) * h.bitCount + 31) / 32 * 4;
    // Every pixel must be in the file (the last row may lack its padding).
    if (!in.Has(h.bitsOffset, stride * std::uint64_t(h.height - 1) + rowBytes)) return false;
    const std::size_t width = std::size_t(h.width);
    const bool palettised = h.bitCount <= 8;
    if (palettised) {
        image.indices.assign(width * std::size_t(h.height), 0);
    } else {
        image.pixels.assign(width * std::size_t(h.height), 0);
    }
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (h.compression == kBitFields) std::copy(h.masks, h.masks + 3, masks);
    for (std::int64_t stored = 0; stored < h.height; ++stored) {
        const std::size_t row = h.bitsOffset + std::size_t(stride) * std::size_t(stored);
        const std::size_t target = TargetRow(h, stored) * width;
        for (std::size_t x = 0; x < width; ++x) {
            switch (h.bitCount) {
                case 1:
                    image.indices[target + x] = (in.U8(row + x / 8) >> (7 - x % 8)) & 1;
                    break;
                case 4:
                    image.indices[target + x] = (in.U8(row + x / 2) >> (x % 2 ? 0 : 4)) & 0xF;
                    break;
                case 8:
                    image.indices[target + x] = in.U8(row + x);
                    break;
                case 16: {
                    const std::uint32_t p = in.U16(row + 2 * x);
                    image.pixels[target + x] = Channel(p, masks[0]) << 16 |
                                               Channel(p, masks[1]) << 8 | Channel(p, masks[2]);
                    break;
                }
                case 24: {
                    const std::size_t p = row + 3 * x;
                    image.pixels[target + x] =
                        Colour(in.U8(p + 2)) << 16 | Colour(in.U8(p + 1)) << 8 | in.U8(p);
                    break;
                }
                default: {  // 32
                    const std::uint32_t p = in.U32(row + 4 * x);
                    image.pixels[target + x] = h.compression == kBitFields
                                                   ? Channel(p, masks[0]) << 16 |
                                                         Channel(p, masks[1]) << 8 |
                                                         Channel(p, masks[2])
                                                   : p & 0xFFFFFF;
                    break;
                }
            }
        }
    }
    return true;
}

// Run-length encoded rows, bottom row first: pairs of a count and a value, or
// an escape (0) followed by end of line (0), end of bitmap (1), a move (2, dx,
// dy) or a count of literal pixels padded to a 16-bit boundary. Pixels that no
// code reaches stay index 0; codes that point outside the image are dropped.
bool ReadRunLength(const Bytes& in, const Header& h, Image& image) {
    if (h.topDown) return false;
    if (std::uint64_t(h.width) * std::uint64_t(h.height) > kLargestRlePixels) return false;
    if (!in.Has(h.bitsOffset, 0)) return false;
    const bool four = h.compression == kRle4;
    const std::int64_t width = h.width;
    image.indices.assign(std::size_t(width * h.height), 0);
    std::int64_t x = 0;
    std::int64_t stored = 0;  // rows from the bottom
    auto put = [&](std::uint8_t index) {
        if (x < width && stored < h.height) {
            image.indices[TargetRow(h, stored) * std::size_t(width) + std::size_t(x)] = index;
        }
        ++x;
    };
    std::size_t p = h.bitsOffset;
    while (in.Has(p, 2) && stored < h.height) {
        const std::uint8_t count = in.U8(p);
        const std::uint8_t value = in.U8(p + 1);
        p += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) {
                put(four ? std::uint8_t(i % 2 ? value & 0xF : value >> 4) : value);
            }
            continue;
        }
        if (value == 0) {
            x = 0;
            ++stored;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (!in.Has(p, 2)) break;
            x += in.U8(p);
            stored += in.U8(p + 1);
            p += 2;
        } else {
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            if (!in.Has(p, bytes)) break;
            for (unsigned i = 0; i < value; ++i) {
                const std::uint8_t b = in.U8(p + (four ? i / 2 : i));
                put(four ? std::uint8_t(i % 2 ? b & 0xF : b >> 4) : b);
            }
            p += (bytes + 1) / 2 * 2;
        }
    }
    return true;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::optional<std::size_t> BmpPictureBytes(std::span<const std::uint8_t> bytes) {
    const auto header = ReadHeader(Bytes(bytes));
    if (!header) return std::nullopt;
    const std::size_t pixels = std::size_t(header->width) * std::size_t(header->height);
    if (header->bitCount <= 8) return pixels + 256 * sizeof(Colour);
    return pixels * sizeof(Colour);
}

std::optional<Image> ReadBmp(std::span<const std::uint8_t> bytes) {
    const Bytes in(bytes);
    auto header = ReadHeader(in);
    if (!header) return std::nullopt;
    const Header& h = *header;
    Image image;
    image.width = int(h.width);
    image.height = int(h.height);
    bool read = false;
    switch (h.compression) {
        case kUncompressed:
            if (h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
                h.bitCount == 24 || h.bitCount == 32) {
                read = ReadUncompressed(in, h, image);
            }
            break;
        case kBitFields:
            if (h.bitCount == 16 || h.bitCount == 32) read = ReadUncompressed(in, h, image);
            break;
        case kRle8:
            if (h.bitCount == 8) read = ReadRunLength(in, h, image);
            break;
        case kRle4:
            if (h.bitCount == 4) read = ReadRunLength(in, h, image);
            break;
        default:
            break;
    }
    if (!read) return std::nullopt;
    if (image.Palettised()) image.palette = ReadPalette(in, h);
    return image;
}

std::vector<std::uint8_t> WriteBmp(const Image& image) {
    if (!image.Complete()) return {};
    const bool palettised = image.Palettised();
    const std::uint32_t width = std::uint32_t(image.width);
    const std::uint32_t height = std::uint32_t(image.height);
    const std::uint32_t colours =
        palettised ? std::uint32_t(std::min<std::size_t>(image.palette.size(), 256)) : 0;
    const std::uint32_t tableEntries = palettised && colours == 0 ? 256 : colours;
    const std::uint32_t stride = (width * (palettised ? 8 : 24) + 31) / 32 * 4;
    const std::uint32_t bitsOffset = 14 + 40 + 4 * tableEntries;
    const std::uint32_t imageSize = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(bitsOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, bitsOffset + imageSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, palettised ? 8 : 24);
    Put32(out, kUncompressed);
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colours);
    Put32(out, 0);
    for (std::uint32_t i = 0; i < tableEntries; ++i) {
        Put32(out, i < colours ? image.palette[i] & 0xFFFFFF : 0);
    }
    for (std::uint32_t stored = 0; stored < height; ++stored) {
        const std::size_t row = std::size_t(height - 1 - stored) * width;
        const std::size_t start = out.size();
        for (std::uint32_t x = 0; x < width; ++x) {
            if (palettised) {
                out.push_back(image.indices[row + x]);
            } else {
                const Colour c = image.pixels[row + x];
                out.push_back(BlueOf(c));
                out.push_back(GreenOf(c));
                out.push_back(RedOf(c));
            }
        }
        out.resize(start + stride, 0);
    }
    return out;
}

}  // namespace lumtrak::rm

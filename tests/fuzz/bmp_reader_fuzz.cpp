// The texture reader on arbitrary bytes: whatever it gives is a complete image
// no larger than the file can describe, and it survives being written and read
// back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "rm/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumtrak::rm;
    const auto image = ReadBmp(std::span(data, size));
    if (!image) return 0;
    // Uncompressed pixels take at least a bit each in the file; run-length
    // images are capped.
    const std::size_t bound = std::max<std::size_t>(size * 8, std::size_t(1) << 24);
    if (!image->Complete() || image->PixelCount() > bound || image->palette.size() > 256) {
        std::abort();
    }
    const auto again = ReadBmp(WriteBmp(*image));
    if (!again || again->indices != image->indices || again->pixels != image->pixels) {
        std::abort();
    }
    return 0;
}

#pragma once

#include <cstdint>

#include "preview2d/canvas.h"

namespace lumtrak::preview2d {

// The drawing area inside the preview's drawing frame, in frame pixels. The
// off-screen bitmap begins at its top-left corner.
struct DrawingRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const DrawingRect&) const = default;
};

struct BitmapSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const BitmapSize&) const = default;
};

// For a drawing frame of width × height pixels: the drawing area, inset by the
// frame's border and caption line, and the bitmap that is painted and copied
// into the frame at (2, 8).
constexpr DrawingRect DrawingRectForFrame(std::int32_t width, std::int32_t height) {
    return {2, 8, width - 3, height - 3};
}
constexpr BitmapSize BitmapSizeForFrame(std::int32_t width, std::int32_t height) {
    return {width - 5, height - 11};
}

// The largest drawing frame that is drawn into a bitmap: as large as a picture
// of the 3D engine may be, 16384 pixels either way and 2^25 in all.
inline constexpr std::int32_t kLargestFrameSide = 16384;
inline constexpr std::int64_t kLargestFramePixels = std::int64_t(1) << 25;
constexpr bool FrameFitsLimits(std::int32_t width, std::int32_t height) {
    return width <= kLargestFrameSide && height <= kLargestFrameSide &&
           std::int64_t(width) * height <= kLargestFramePixels;
}

// The bitmap's background: white with the "White" box ticked, else black.
constexpr Colour PreviewBackground(bool white) {
    return white ? kWhite : kBlack;
}

}  // namespace lumtrak::preview2d

#pragma once

namespace lumtrak::preview3d {

// The part of the preview window that an animation capture copies, in window
// coordinates with the window's frame: 24 pixels in from the sides and 72 from
// the top and bottom, so past the toolbar and the scroll bars.
struct CaptureArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // A window narrower than 49 or lower than 145 pixels leaves nothing to copy.
    constexpr bool HasPixels() const { return width > 0 && height > 0; }
    friend bool operator==(const CaptureArea&, const CaptureArea&) = default;
};

constexpr CaptureArea CaptureAreaOf(int windowWidth, int windowHeight) {
    return {24, 72, windowWidth - 48, windowHeight - 144};
}

// The bits per pixel of a bitmap copied from a screen of that colour depth:
// screens deeper than 16 bits keep a pixel in 32 bits.
constexpr int CaptureBitsPerPixel(int screenDepth) {
    return screenDepth > 16 ? 32 : screenDepth;
}

}  // namespace lumtrak::preview3d

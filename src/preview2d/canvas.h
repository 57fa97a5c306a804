#pragma once

#include <cstdint>

namespace lumtrak::preview2d {

// 0x00BBGGRR: red in the low byte, as the model's panel colours.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

// A point of the off-screen bitmap, in pixels from its top-left corner.
struct CanvasPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

// What the 2D drawing paints onto: an off-screen bitmap that is built from paths.
// A path is begun, drawn with move-to and line-to, optionally closed, ended, and
// then painted once, which consumes it. Pens are solid and one pixel wide; fills
// are solid and follow the odd-even rule.
class Canvas {
  public:
    virtual ~Canvas() = default;

    // Paints the whole bitmap in one colour.
    virtual void FillBackground(Colour colour) = 0;

    virtual void BeginPath() = 0;
    virtual void MoveTo(CanvasPoint point) = 0;
    virtual void LineTo(CanvasPoint point) = 0;
    virtual void CloseFigure() = 0;
    virtual void EndPath() = 0;

    // Draws the path's outline with a pen of colour.
    virtual void StrokePath(Colour colour) = 0;
    // Closes the path's figure, fills it with a brush of colour and draws its
    // outline with a pen of the same colour.
    virtual void StrokeAndFillPath(Colour colour) = 0;
};

}  // namespace lumtrak::preview2d

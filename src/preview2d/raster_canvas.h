#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "preview2d/canvas.h"

namespace lumtrak::preview2d {

// A picture in memory: width × height pixels 0x00RRGGBB, rows top first.
struct RasterPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;
};

// Paints the 2D drawing into a picture of its own, pixel for pixel as the
// preview window shows it: no antialiasing, odd-even fills whose edges take the
// pixels with their centres inside, and one-pixel pens that draw each line's
// pixels once, with square ends on open figures.
class RasterCanvas : public Canvas {
  public:
    // An empty picture when a side is not positive or the memory for it is missing.
    RasterCanvas(std::int32_t width, std::int32_t height);

    void FillBackground(Colour colour) override;
    void BeginPath() override;
    void MoveTo(CanvasPoint point) override;
    void LineTo(CanvasPoint point) override;
    void CloseFigure() override;
    void EndPath() override {}
    void StrokePath(Colour colour) override;
    void StrokeAndFillPath(Colour colour) override;

    const RasterPicture& Picture() const { return picture_; }

  private:
    using Figure = std::vector<CanvasPoint>;

    Figure& Current() { return figures_.back(); }
    void CloseCurrent();
    // Whether the path holds a line at all: a lone starting point paints nothing.
    bool HoldsLines() const;

    RasterPicture picture_;
    std::vector<Figure> figures_;
    bool figureClosed_ = false;  // the next line starts a figure of its own
};

}  // namespace lumtrak::preview2d

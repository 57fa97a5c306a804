#include "preview2d/raster_canvas.h"

#include <algorithm>
#include <new>

#include "preview2d/pixel_lines.h"
#include "preview2d/polygon_fill.h"

namespace lumtrak::preview2d {
namespace {

// 0x00BBGGRR as 0x00RRGGBB.
std::uint32_t PixelOf(Colour colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace

RasterCanvas::RasterCanvas(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    try {
        picture_.pixels.assign(std::size_t(width) * std::size_t(height), 0);
    } catch (const std::bad_alloc&) {
        return;
    }
    picture_.width = width;
    picture_.height = height;
}

void RasterCanvas::FillBackground(Colour colour) {
    std::fill(picture_.pixels.begin(), picture_.pixels.end(), PixelOf(colour));
}

void RasterCanvas::BeginPath() {
    figures_.assign(1, Figure{{0, 0}});
    figureClosed_ = false;
}

void RasterCanvas::MoveTo(CanvasPoint point) {
    if (figures_.empty()) BeginPath();
    // A figure of its starting point only moves that point.
    if (Current().size() == 1) {
        Current().front() = point;
    } else {
        figures_.push_back({point});
    }
    figureClosed_ = false;
}

void RasterCanvas::LineTo(CanvasPoint point) {
    if (figures_.empty()) BeginPath();
    if (figureClosed_) {
        figures_.push_back({Current().back()});
        figureClosed_ = false;
    }
    // A line to where the figure stands adds nothing.
    if (Current().back() == point) return;
    Current().push_back(point);
}

void RasterCanvas::CloseFigure() {
    if (!HoldsLines()) return;
    CloseCurrent();
}

void RasterCanvas::CloseCurrent() {
    if (Current().back() != Current().front()) Current().push_back(Current().front());
    figureClosed_ = true;
}

bool RasterCanvas::HoldsLines() const {
    return !figures_.empty() && (figures_.size() > 1 || figures_.front().size() > 1);
}

void RasterCanvas::StrokePath(Colour colour) {
    if (HoldsLines() && !picture_.pixels.empty()) {
        for (const Figure& figure : figures_)
            StrokeFigure(figure, PixelOf(colour), picture_);
    }
    figures_.clear();
}

void RasterCanvas::StrokeAndFillPath(Colour colour) {
    if (HoldsLines() && !picture_.pixels.empty()) {
        CloseCurrent();
        FillOddEven(figures_, PixelOf(colour), picture_);
        for (const Figure& figure : figures_)
            StrokeFigure(figure, PixelOf(colour), picture_);
    }
    figures_.clear();
}

}  // namespace lumtrak::preview2d

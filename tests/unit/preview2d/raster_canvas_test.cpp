#include "preview2d/raster_canvas.h"

#include <gtest/gtest.h>

namespace lumtrak::preview2d {
namespace {

constexpr Colour kRed = 0x0000FF;  // 0x00BBGGRR
constexpr std::uint32_t kRedPixel = 0xFF0000;

int Painted(const RasterCanvas& canvas) {
    int count = 0;
    for (const std::uint32_t pixel : canvas.Picture().pixels)
        count += pixel != 0;
    return count;
}

std::uint32_t At(const RasterCanvas& canvas, int x, int y) {
    return canvas.Picture().pixels[std::size_t(y * canvas.Picture().width + x)];
}

void Figure(RasterCanvas& canvas, std::initializer_list<CanvasPoint> points) {
    canvas.BeginPath();
    bool first = true;
    for (const CanvasPoint& point : points) {
        if (first) {
            canvas.MoveTo(point);
        } else {
            canvas.LineTo(point);
        }
        first = false;
    }
}

TEST(RasterCanvas, FillsTakeThePixelsWhoseCentresAreInsideAndTheOutline) {
    RasterCanvas canvas(20, 20);
    canvas.FillBackground(kBlack);
    Figure(canvas, {{2, 2}, {10, 2}, {10, 6}, {2, 6}});
    canvas.StrokeAndFillPath(kRed);
    // The square's inside and its outline: columns 2 to 10, rows 2 to 6.
    EXPECT_EQ(Painted(canvas), 9 * 5);
    EXPECT_EQ(At(canvas, 2, 2), kRedPixel);
    EXPECT_EQ(At(canvas, 10, 6), kRedPixel);
    EXPECT_EQ(At(canvas, 11, 6), 0u);

    // Odd-even: where a figure crosses itself the inside is what it encloses
    // an odd number of times. A bow tie fills two triangles.
    RasterCanvas bow(21, 21);
    Figure(bow, {{0, 0}, {20, 20}, {20, 0}, {0, 20}});
    bow.StrokeAndFillPath(kRed);
    EXPECT_EQ(At(bow, 10, 3), 0u);
    EXPECT_EQ(At(bow, 3, 10), kRedPixel);
}

TEST(RasterCanvas, OnePixelOutlinesAndDegenerateFigures) {
    RasterCanvas canvas(10, 10);
    // A closed two-point figure draws its line there and back: one pixel a row.
    Figure(canvas, {{1, 1}, {1, 8}});
    canvas.CloseFigure();
    canvas.StrokePath(kWhite);
    EXPECT_EQ(Painted(canvas), 8);
    EXPECT_EQ(At(canvas, 1, 8), 0xFFFFFFu);

    // A figure of one point paints nothing; the path is spent either way.
    RasterCanvas empty(10, 10);
    Figure(empty, {{3, 3}, {3, 3}, {3, 3}});
    empty.CloseFigure();
    empty.StrokeAndFillPath(kRed);
    empty.StrokePath(kRed);
    EXPECT_EQ(Painted(empty), 0);

    // Lines far outside leave the picture alone and do not fail.
    Figure(empty, {{-32776, -32776}, {32767, -32776}, {32767, -20}});
    empty.StrokeAndFillPath(kRed);
    EXPECT_EQ(Painted(empty), 0);
    EXPECT_TRUE(RasterCanvas(0, 5).Picture().pixels.empty());
}

}  // namespace
}  // namespace lumtrak::preview2d

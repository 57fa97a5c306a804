#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "model/stock_model.h"
#include "model/texture_registry.h"
#include "platform/tick_source.h"
#include "preview2d/drawing.h"
#include "preview2d/recording_canvas.h"

namespace lumtrak::testing {

// Draws a loaded model as the 2D preview does, in a view that choice picks
// (direction, turning, animation frame, axis lines, and drawing rectangles up
// to the 32-bit extremes, whose centres push every screen point through the
// 16-bit wrap), and aborts unless the drawing holds together: the depth pool
// keeps at most 510 records, its tree reaches each of them exactly once, it
// is empty after the drawing, and every painted record is a closed figure of
// the panel's corners or a line's two ends.
inline void CheckDrawing(model::StockModel& stock, const model::TextureRegistry& textures,
                         std::uint32_t choice) {
    auto fail = [](const char* why) {
        std::fprintf(stderr, "drawing check: %s\n", why);
        std::abort();
    };
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr preview2d::DrawingRect kRects[] = {
        preview2d::DrawingRectForFrame(246, 162),
        preview2d::DrawingRectForFrame(100000, 100000),
        {kMin, kMax, kMax, kMin},
        {kMax, kMin, -1, kMax},
    };
    constexpr std::int32_t kFrames[] = {0, 1, 37, kMax, kMin};

    platform::FixedTickSource ticks(choice * 2654435761u);
    preview2d::DrawingState state(ticks);
    state.drawingRect = kRects[choice % 4];
    state.animationFrame = kFrames[(choice / 4) % 5];
    preview2d::PreviewOptions options;
    options.direction = static_cast<preview2d::ViewDirection>((choice / 20) % 5);
    options.rotate = (choice & 0x100) != 0;
    options.animate = (choice & 0x200) != 0;
    options.showAxis = (choice & 0x400) != 0;

    // The two halves on their own first: projection fills the pool...
    if (stock.wheelbase == 0) stock.wheelbase = stock.length;
    const auto rotation = preview2d::RotationFor(
        preview2d::ViewAngle(options.direction, options.rotate, ticks.TickCount()),
        stock.wheelbase);
    preview2d::ProjectModel(stock, state.pool, std::int32_t(choice), -std::int32_t(choice & 0xFFFF),
                            rotation.p, rotation.q, state.animationFrame);
    if (state.pool.Count() > preview2d::DepthPool::kUsable) fail("more than 510 records");
    std::uint32_t reached = 0;
    state.pool.VisitInOrder([&](const preview2d::DepthRecord&) { ++reached; });
    if (reached != state.pool.Count()) fail("the tree does not reach every record once");

    // ... then the whole drawing, which starts from an empty pool and leaves one.
    preview2d::RecordingCanvas canvas;
    preview2d::DrawModel(state, stock, canvas, options, textures);
    if (state.pool.Count() != 0) fail("the pool outlived the drawing");
    for (const auto& record : canvas.Records()) {
        const std::size_t corners = record.points.size();
        if (!record.closed) fail("an open figure");
        if (record.op == preview2d::PaintOp::Fill ? corners != 4 : corners != 4 && corners != 2)
            fail("a figure with the wrong number of corners");
    }
}

}  // namespace lumtrak::testing

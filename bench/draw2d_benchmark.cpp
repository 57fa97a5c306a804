// How long one drawing of the 2D preview takes on a large definition: load,
// projection, depth ordering and painting, as every repaint does them (up to
// ten times a second while the preview turns or animates). The preview window
// paints with Qt's painter, the command line's --png with the core's raster
// canvas; the counter "of_timer" is the redraw's share of the preview's 100 ms
// timer.
#include <benchmark/benchmark.h>

#include <chrono>

#include <QImage>
#include <QPainter>

#include "bench/workload.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/tick_source.h"
#include "preview2d/drawing.h"
#include "preview2d/raster_canvas.h"
#include "preview2d/recording_canvas.h"
#include "qtshell/painter_canvas.h"
#include "qtshell/preview_bitmap.h"
#include "stockindex/stock_index.h"

namespace {

using namespace lumtrak;

// The bitmap of the drawing: 640 × 480 pixels.
constexpr int kFrameWidth = 640 + 5;
constexpr int kFrameHeight = 480 + 11;
constexpr double kPreviewTimerMs = 100;

// What a preview window keeps between its repaints.
struct Preview {
    Preview() {
        bench::SharedWorkloadText();
        state.drawingRect = preview2d::DrawingRectForFrame(kFrameWidth, kFrameHeight);
    }

    std::string Draw(preview2d::Canvas& canvas) {
        model::LoadEnvironment environment(messages, model::TextureRegistry::Process(), includes);
        return preview2d::DrawDefinitionPreview(state, environment, bench::SharedWorkloadText(), 0,
                                                canvas, options, {});
    }

    platform::SteadyTickSource ticks;
    preview2d::DrawingState state{ticks};
    preview2d::PreviewOptions options{.rotate = true, .animate = true, .showAxis = true};
    platform::NullMessageSink messages;
    model::IncludeCache includes{stockindex::ReadPartIndex};
};

// Runs draw once an iteration and sets "of_timer": the wall time of one drawing
// over the preview timer's period.
template <class Draw>
void TimeAgainstTheTimer(benchmark::State& state, Draw draw) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        draw();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    state.counters["of_timer"] = elapsed.count() / double(state.iterations()) / kPreviewTimerMs;
}

void BM_DrawDefinitionRecording(benchmark::State& state) {
    Preview preview;
    preview2d::RecordingCanvas canvas;
    for (auto _ : state) {
        canvas.Clear();
        benchmark::DoNotOptimize(preview.Draw(canvas));
    }
    state.counters["records"] = double(canvas.Records().size());
}
BENCHMARK(BM_DrawDefinitionRecording)->Unit(benchmark::kMillisecond);

// As the preview window repaints: a fresh bitmap, its background, the drawing.
void BM_DrawDefinitionPainter(benchmark::State& state) {
    Preview preview;
    TimeAgainstTheTimer(state, [&] {
        const QImage image = qtshell::PaintPreviewBitmap(
            kFrameWidth, kFrameHeight, false,
            [&](preview2d::Canvas& canvas) { benchmark::DoNotOptimize(preview.Draw(canvas)); });
        benchmark::DoNotOptimize(image.constBits());
    });
}
BENCHMARK(BM_DrawDefinitionPainter)->Unit(benchmark::kMillisecond);

// The same onto the core's raster canvas, as draw2d --png paints.
void BM_DrawDefinitionRaster(benchmark::State& state) {
    Preview preview;
    const auto size = preview2d::BitmapSizeForFrame(kFrameWidth, kFrameHeight);
    TimeAgainstTheTimer(state, [&] {
        preview2d::RasterCanvas canvas(size.width, size.height);
        canvas.FillBackground(preview2d::PreviewBackground(false));
        benchmark::DoNotOptimize(preview.Draw(canvas));
        benchmark::DoNotOptimize(canvas.Picture().pixels.data());
    });
}
BENCHMARK(BM_DrawDefinitionRaster)->Unit(benchmark::kMillisecond);

// The workload's model, loaded once, with the wheelbase rule applied.
struct LoadedModel {
    LoadedModel() {
        model::LoadEnvironment environment(preview.messages, model::TextureRegistry::Process(),
                                           preview.includes);
        model::LoadDefinitionAt(stock, model::DefinitionText(bench::SharedWorkloadText()), {},
                                false, environment);
        if (stock.wheelbase == 0) stock.wheelbase = stock.length;
    }

    void ProjectAndOrder() {
        const auto rotation = preview2d::RotationFor(1.0, stock.wheelbase);
        preview2d::ProjectModel(stock, preview.state.pool, 320, 248, rotation.p, rotation.q, 1);
    }

    Preview preview;
    model::StockModel stock;
};

// The drawing without the load: projection and ordering only...
void BM_ProjectAndOrder(benchmark::State& state) {
    LoadedModel loaded;
    for (auto _ : state) {
        loaded.ProjectAndOrder();
        loaded.preview.state.pool.Clear();
    }
}
BENCHMARK(BM_ProjectAndOrder)->Unit(benchmark::kMillisecond);

// ... and with the painting onto the painter canvas.
void BM_ProjectOrderAndPaint(benchmark::State& state) {
    LoadedModel loaded;
    QImage image(kFrameWidth - 5, kFrameHeight - 11, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        qtshell::PainterCanvas canvas(painter);
        canvas.FillBackground(preview2d::PreviewBackground(false));
        loaded.ProjectAndOrder();
        preview2d::DrawDepthPool(loaded.preview.state.pool, loaded.preview.state.drawingRect,
                                 canvas);
    }
}
BENCHMARK(BM_ProjectOrderAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace

// How fast the 3D preview's software renderer draws a large textured scene,
// beside Mesa's software rasterizer drawing the same triangles (when built with
// it). Run: build/ci/bench/lumtrak_render_benchmark
#include <benchmark/benchmark.h>

#include "bench/render_workload.h"
#ifdef LUMTRAK_HAVE_OSMESA
#include "bench/osmesa_renderer.h"
#endif

namespace {

using namespace lumtrak;

constexpr int kFaces = 20'000;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

bench::RenderWorkload& TheWorkload() {
    static auto workload = bench::MakeRenderWorkload(kFaces, kWidth, kHeight);
    return *workload;
}

void CountFrames(benchmark::State& state) {
    state.counters["frames/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// One frame as the preview paints it: clear, render, publish.
void BM_RenderEngine(benchmark::State& state) {
    auto& w = TheWorkload();
    for (auto _ : state) {
        w.viewport->Clear();
        w.viewport->Render(*w.scene);
        w.device->Update();
    }
    CountFrames(state);
    state.SetLabel(std::to_string(w.triangles.size()) + " triangles");
}
BENCHMARK(BM_RenderEngine)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

#ifdef LUMTRAK_HAVE_OSMESA
void BM_RenderOsMesa(benchmark::State& state) {
    auto& w = TheWorkload();
    auto mesa = bench::OsMesaRenderer::Make(w, kWidth, kHeight);
    if (!mesa) {
        state.SkipWithError("no OSMesa context");
        return;
    }
    for (auto _ : state)
        mesa->RenderFrame();
    CountFrames(state);
    state.SetLabel(mesa->RendererName());
}
BENCHMARK(BM_RenderOsMesa)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
#endif

}  // namespace

BENCHMARK_MAIN();

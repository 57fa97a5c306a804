// How fast the editor's 3D preview window answers a scroll bar and steps its
// animation: each frame is the whole path from the bar or the timer to the
// picture in the window (camera, render, paint), under the offscreen platform.
// frames/s counts frames a second of wall time: the renderer works on every
// core inside a frame. Run: build/default/bench/lumtrak_d3d_preview_benchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "bench/render_workload.h"
#include "editor/d3d_preview.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "platform/settings_store.h"

namespace {

using namespace lumtrak;
using editor::D3DPreview;

constexpr int kFaces = 20'000;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

// An editor with path open and its 3D preview up, its rendering area
// kWidth x kHeight pixels.
struct PreviewUnderTest {
    PreviewUnderTest(const QString& path, const QString& programFolder) : app(settings, {}) {
        if (app.InitInstance({{path}, programFolder}) !=
            editor::CLumtrakStockEditorApp::StartUp::Running) {
            return;
        }
        editor::CLumtrakStockEditorView* view = app.MainFrame()->GetActiveView();
        view->OnCommand(editor::Command::D3DPreview);
        preview = view->m_pD3DPreview;
        preview->resize(kWidth, kHeight);
        if (!QTest::qWaitFor([&] { return preview->Session().Engine() != nullptr; }, 10000)) {
            return;
        }
        const QSize area = preview->RenderingWindow()->size();
        preview->resize(kWidth + (kWidth - area.width()), kHeight + (kHeight - area.height()));
        QTest::qWait(50);
    }
    platform::MemorySettingsStore settings;
    editor::CLumtrakStockEditorApp app;
    D3DPreview* preview = nullptr;
};

std::filesystem::path SamplesFolder() {
    return std::filesystem::path(LUMTRAK_SOURCE_DIR) / "samples";
}

void Report(benchmark::State& state, D3DPreview* preview) {
    state.counters["frames/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    const QSize size = preview->RenderingWindow()->size();
    state.SetLabel(std::to_string(size.width()) + "x" + std::to_string(size.height()));
}

// The angle bar's arrow clicked, and the window repainted at once.
void BM_ScrollBarRerender(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "d3d_bench.stk").string();
    std::ofstream(path) << "length 600\n";
    PreviewUnderTest window(QString::fromStdString(path), {});
    D3DPreview* preview = window.preview;
    if (!preview || !preview->Session().Engine()) {
        state.SkipWithError("no preview");
        return;
    }
    // The 3D renderer benchmark's boxes, hung into the preview's scene.
    static auto workload = bench::MakeRenderWorkload(kFaces, kWidth, kHeight);
    std::size_t faces = 0;
    for (const auto& frame : workload->scene->GetChildren()) {
        for (const auto& mesh : frame->GetVisuals()) {
            preview->Session().Engine()->CreateFrame()->AddVisual(mesh);
            faces += mesh->GetFaces().size();
        }
    }
    QScrollBar* bar = preview->Bar(preview3d::ScrollBar::Angle);
    bool forward = true;
    for (auto _ : state) {
        bar->triggerAction(forward ? QAbstractSlider::SliderSingleStepAdd
                                   : QAbstractSlider::SliderSingleStepSub);
        forward = !forward;
        preview->RenderingWindow()->repaint();
    }
    Report(state, preview);
    state.counters["faces"] = double(faces);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ScrollBarRerender)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// One animation step of the sample locomotive: the scene tree placed for the
// next tick and the window repainted, as the 25 ms timer does.
void BM_AnimationStep(benchmark::State& state) {
    const auto samples = SamplesFolder();
    PreviewUnderTest window(
        QString::fromStdString((samples / "Stock/Locomotives/Class40.stk").string()),
        QString::fromStdString(samples.string()));
    D3DPreview* preview = window.preview;
    if (!preview || !preview->Session().Engine()) {
        state.SkipWithError("no preview");
        return;
    }
    preview->OnCommand(D3DPreview::kStopAnimation);
    for (auto _ : state) {
        preview->OnCommand(D3DPreview::kStepAnimation);
        preview->RenderingWindow()->repaint();
    }
    Report(state, preview);
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// The running timer for two seconds: the period it keeps.
void BM_AnimationTimerPeriod(benchmark::State& state) {
    const auto samples = SamplesFolder();
    PreviewUnderTest window(
        QString::fromStdString((samples / "Stock/Locomotives/Class40.stk").string()),
        QString::fromStdString(samples.string()));
    D3DPreview* preview = window.preview;
    if (!preview || !preview->TimerRunning()) {
        state.SkipWithError("the animation does not run");
        return;
    }
    for (auto _ : state) {
        const std::int32_t from = preview->Session().Tick();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(2000);
        const double ticks = double(preview->Session().Tick() - from);
        state.counters["period_ms"] = ticks > 0 ? double(clock.elapsed()) / ticks : 0;
    }
}
BENCHMARK(BM_AnimationTimerPeriod)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

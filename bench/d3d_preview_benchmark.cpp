// How fast the editor's 3D preview window answers a scroll bar, a mouse drag
// and steps its animation: each frame is the whole path from the bar, the
// mouse or the timer to the picture in the window (camera, render, paint),
// under the offscreen platform.
// frames/s counts frames a second of wall time: the renderer works on every
// core inside a frame. Run: build/ci/bench/lumtrak_d3d_preview_benchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
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

// The 3D renderer benchmark's boxes, hung into the preview's scene; gives the
// number of faces.
std::size_t HangBoxes(D3DPreview& preview) {
    static auto workload = bench::MakeRenderWorkload(kFaces, kWidth, kHeight);
    std::size_t faces = 0;
    for (const auto& frame : workload->scene->GetChildren()) {
        for (const auto& mesh : frame->GetVisuals()) {
            preview.Session().Engine()->CreateFrame()->AddVisual(mesh);
            faces += mesh->GetFaces().size();
        }
    }
    return faces;
}

// A nearly empty definition in the temporary folder; its path.
QString WriteBenchDefinition() {
    const std::string path = (std::filesystem::temp_directory_path() / "d3d_bench.stk").string();
    std::ofstream(path) << "length 600\n";
    return QString::fromStdString(path);
}

// A window on that definition, with the boxes in its scene.
struct BoxesUnderTest {
    BoxesUnderTest() : path(WriteBenchDefinition()), window(path, {}) {
        if (window.preview && window.preview->Session().Engine())
            faces = HangBoxes(*window.preview);
    }
    ~BoxesUnderTest() { std::filesystem::remove(path.toStdString()); }
    QString path;
    PreviewUnderTest window;
    std::size_t faces = 0;
};

// The angle bar's arrow clicked, and the window repainted at once.
void BM_ScrollBarRerender(benchmark::State& state) {
    BoxesUnderTest boxes;
    D3DPreview* preview = boxes.window.preview;
    if (!preview || !preview->Session().Engine()) {
        state.SkipWithError("no preview");
        return;
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
    state.counters["faces"] = double(boxes.faces);
}
BENCHMARK(BM_ScrollBarRerender)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// A left-button drag across the picture, as a mouse reports it: four moves of
// five pixels arrive between two repaints, and the event loop renders the
// picture once for them, where the last move left the camera. renders/frame
// stays 1 when the moves are coalesced into one render.
void BM_MouseDrag(benchmark::State& state) {
    BoxesUnderTest boxes;
    D3DPreview* preview = boxes.window.preview;
    if (!preview || !preview->Session().Engine()) {
        state.SkipWithError("no preview");
        return;
    }
    preview->OnCommand(D3DPreview::kStopAnimation);
    QWidget* area = preview->RenderingWindow();
    const auto send = [&](QEvent::Type type, int x, Qt::MouseButtons held) {
        const QPointF at(x, kHeight / 2);
        QCoreApplication::postEvent(
            area, new QMouseEvent(type, at, area->mapToGlobal(at),
                                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                                  Qt::NoModifier));
    };
    constexpr int kMovesPerFrame = 4;
    constexpr int kStep = 5;
    int x = kWidth / 2;
    send(QEvent::MouseButtonPress, x, Qt::LeftButton);
    QCoreApplication::processEvents();
    const std::uint64_t rendersBefore = preview->Renders();
    int sense = 1;
    for (auto _ : state) {
        const std::uint64_t before = preview->Renders();
        for (int i = 0; i < kMovesPerFrame; ++i) {
            x += sense * kStep;
            send(QEvent::MouseMove, x, Qt::LeftButton);
        }
        // Back and forth across the middle, within the angle bar's range.
        if (std::abs(x - kWidth / 2) >= 100) sense = -sense;
        // The event loop runs until it has rendered (no sleeping in between,
        // which would count as the window's time).
        QElapsedTimer waited;
        waited.start();
        while (preview->Renders() == before && waited.elapsed() < 1000)
            QCoreApplication::processEvents();
        if (preview->Renders() == before) {
            state.SkipWithError("no render");
            break;
        }
    }
    send(QEvent::MouseButtonRelease, x, Qt::NoButton);
    QCoreApplication::processEvents();
    Report(state, preview);
    state.counters["faces"] = double(boxes.faces);
    state.counters["renders/frame"] = double(preview->Renders() - rendersBefore) /
                                      double(std::max<std::int64_t>(1, state.iterations()));
}
BENCHMARK(BM_MouseDrag)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

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

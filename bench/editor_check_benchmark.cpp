// The editor's syntax colouring and Problems panel on the 1.4 MB,
// 20,000-panel definition with 50 includes, under the offscreen platform: a
// key typed into it (QTest key events) until the window has painted it and
// answers again, and the look for problems that follows a pause in typing.
// Run: build/ci/bench/lumtrak_editor_check_benchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "bench/workload.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/problems_dock.h"
#include "editor/syntax_colouring.h"
#include "editor/view_problems.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

namespace {

using namespace lumtrak;

void UntilResponsive() {
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = true; });
    while (!answered)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The editor with the workload open in a window of a usual size, coloured,
// with the Problems panel showing the problems of the whole text.
struct EditorWithWorkload {
    EditorWithWorkload() : app(settings, {}) {
        const std::string& text = bench::SharedWorkloadText();
        path = std::filesystem::path(platform::ProgramFolder()) / "Workload.stk";
        std::ofstream(path, std::ios::binary) << text;
        app.SetNewTypeChooser([] { return std::nullopt; });
        app.InitInstance({QStringList{QString::fromStdString(path.string())}, {}});
        app.MainFrame()->resize(1200, 900);
        static_cast<void>(QTest::qWaitForWindowExposed(app.MainFrame()));
        problems = editor::ViewProblems::Of(&View());
        problems->Refresh();
        UntilResponsive();
    }
    editor::CLumtrakStockEditorView& View() { return *app.MainFrame()->GetActiveView(); }
    bool Ready() {
        return editor::SyntaxColouring::Setting().IsOn() && View().lexer() != nullptr &&
               !app.MainFrame()->Problems().isHidden() && !problems->Problems().empty();
    }

    platform::MemorySettingsStore settings;
    editor::CLumtrakStockEditorApp app;
    std::filesystem::path path;
    editor::ViewProblems* problems = nullptr;
};

// With the argument 0, colouring is turned off: what the editor costs alone.
void BM_TypeWithColouringAndProblems(benchmark::State& state) {
    EditorWithWorkload editor;
    if (!editor.Ready()) state.SkipWithError("no colouring or no Problems panel");
    editor::SyntaxColouring::Setting().Set(state.range(0) != 0, editor.settings);
    editor::CLumtrakStockEditorView& view = editor.View();
    view.SetSelection({200'000, 200'000});
    for (auto _ : state) {
        QTest::keyClick(&view, Qt::Key_A);
        view.repaint();
        UntilResponsive();
    }
    state.counters["problems"] = double(editor.problems->Problems().size());
    editor::SyntaxColouring::Setting().Set(true, editor.settings);
}
BENCHMARK(BM_TypeWithColouringAndProblems)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What follows a pause of 300 ms in typing: the whole text checked, its
// problems underlined and listed.
void BM_ProblemsAfterAPause(benchmark::State& state) {
    EditorWithWorkload editor;
    for (auto _ : state) {
        editor.problems->Refresh();
        UntilResponsive();
    }
}
BENCHMARK(BM_ProblemsAfterAPause)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

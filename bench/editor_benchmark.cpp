// The editor under large texts, under the offscreen platform: opening a 5 MB
// definition until the window has painted it and answers events again, typing
#include <benchmark/benchmark.h>
#include "editor/preview2d_dialog.h"
#include "editor/recovery_keeper.h"
#include "platform/program_folder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "bench/workload.h"
#include "editor/dialogs/cylinder_dialog.h"
#include "editor/dialogs/shift_dialog.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/preview2d_dialog.h"
#include "editor/recovery_keeper.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

namespace {

using namespace lumtrak;
using editor::CLumtrakStockEditorView;
using editor::Command;

// The editor as the program starts it, in a window of a usual size.
struct EditorUnderTest {
    EditorUnderTest() : app(settings, {}) {
        app.SetNewTypeChooser([] { return std::nullopt; });
        app.InitInstance({});
        app.MainFrame()->resize(1200, 900);
        static_cast<void>(QTest::qWaitForWindowExposed(app.MainFrame()));
    }
    CLumtrakStockEditorView& View() { return *app.MainFrame()->GetActiveView(); }

    platform::MemorySettingsStore settings;
    editor::CLumtrakStockEditorApp app;
};

// Handles what is pending until a timer started now fires: the window answers
// again.
void UntilResponsive() {
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = true; });
    while (!answered)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// A file in the temporary folder, removed with the object.
struct TempFile {
    TempFile(const char* name, const std::string& bytes)
        : path(std::filesystem::temp_directory_path() / name) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path); }
    QString Name() const { return QString::fromStdString(path.string()); }
    std::filesystem::path path;
};

std::string LargeDefinition() {
    return "name Large\r\nlength 600\r\n" + bench::FillLines(5u << 20) + "[end]\r\n";
}

void BM_OpenLargeDefinition(benchmark::State& state) {
    const std::string text = LargeDefinition();
    const TempFile file("lumtrak-editor-bench.stk", text);
    EditorUnderTest editor;
    for (auto _ : state) {
        editor::CLumtrakStockEditorDoc* document = editor.app.OpenDocumentFile(file.Name());
        editor.View().repaint();
        UntilResponsive();
        state.PauseTiming();
        if (!document || document->Views().front()->Text() != text) {
            state.SkipWithError("the bytes differ");
            break;
        }
        document->OnCloseDocument();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_OpenLargeDefinition)->Unit(benchmark::kMillisecond)->UseRealTime();

// The longest wait for the window while it wraps the lines of a large text
// that it has just opened, and then a key typed at the start of the text.
void BM_TypeInLargeDefinition(benchmark::State& state) {
    const TempFile file("lumtrak-editor-bench.stk", LargeDefinition());
    EditorUnderTest editor;
    editor.app.OpenDocumentFile(file.Name());
    CLumtrakStockEditorView& view = editor.View();
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestWait = 0;
    while (clock.elapsed() < 3000) {
        QTest::qWait(5);
        longestWait = std::max(longestWait, clock.elapsed() - last);
        last = clock.elapsed();
    }
    for (auto _ : state) {
        QTest::keyClick(&view, Qt::Key_A);
        view.repaint();
        UntilResponsive();
    }
    state.counters["longestWaitAfterOpening_ms"] = double(longestWait);
}
BENCHMARK(BM_TypeInLargeDefinition)->Unit(benchmark::kMillisecond)->UseRealTime();

// The recovery copy of a 5 MB definition that has been typed into: the time
// the user interface's thread spends on it (copying the text and handing it
// to the writer). The counters give the writer's time for the whole copy, and
// the longest key press (typed, then handled until the window answers) while
// the writer works.
void BM_RecoveryCopyOfLargeDefinition(benchmark::State& state) {
    const TempFile file("lumtrak-editor-bench.stk", LargeDefinition());
    EditorUnderTest editor;
    editor::CLumtrakStockEditorDoc* document = editor.app.OpenDocumentFile(file.Name());
    editor::RecoveryKeeper* keeper = editor.app.Recovery();
    if (!document || !keeper) {
        state.SkipWithError("no document, or no recovery folder");
        return;
    }
    CLumtrakStockEditorView& view = editor.View();
    // The longest of as many key presses with no copy being written, to
    // compare.
    auto typeKey = [&view] {
        QElapsedTimer key;
        key.start();
        QTest::keyClick(&view, Qt::Key_B);
        UntilResponsive();
        return key.nsecsElapsed();
    };
    qint64 longestKeyAlone = 0;
    for (int i = 0; i < 50; ++i)
        longestKeyAlone = std::max(longestKeyAlone, typeKey());
    double writerSeconds = 0;
    qint64 longestKey = 0;
    std::int64_t keys = 0;
    for (auto _ : state) {
        keeper->WriteCopy(*document);
        state.PauseTiming();
        QElapsedTimer writing;
        writing.start();
        std::atomic<bool> written = false;
        std::thread waiter([&] {
            keeper->Flush();
            written = true;
        });
        while (!written) {
            longestKey = std::max(longestKey, typeKey());
            ++keys;
        }
        waiter.join();
        writerSeconds += double(writing.nsecsElapsed()) / 1e9;
        state.ResumeTiming();
    }
    state.counters["writer_ms"] = writerSeconds / double(state.iterations()) * 1000;
    state.counters["longestKeyWhileWriting_ms"] = double(longestKey) / 1e6;
    state.counters["keysWhileWriting"] = double(keys);
    state.counters["longestKeyAlone_ms"] = double(longestKeyAlone) / 1e6;
    state.SetBytesProcessed(state.iterations() * std::int64_t(view.Text().size()));
}
BENCHMARK(BM_RecoveryCopyOfLargeDefinition)->Unit(benchmark::kMillisecond)->UseRealTime();

// Answers the dialog of type Dialog that the command opens: fields by their
// control ids, check boxes clicked, then OK.
template <typename Dialog>
void AnswerDialog(std::vector<std::pair<int, QString>> fields, std::vector<int> checks) {
    QTimer::singleShot(0, [fields = std::move(fields), checks = std::move(checks)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        for (const auto& [id, text] : fields) {
            if (auto* edit = dialog->template findChild<QLineEdit*>(QString::number(id)))
                edit->setText(text);
        }
        for (int id : checks) {
            if (auto* box = dialog->template findChild<QAbstractButton*>(QString::number(id)))
                box->setChecked(true);
        }
        dialog->accept();
    });
}

// One tool, as the editor runs it and as the command line does.
struct ToolCase {
    std::string text;
    tools::Selection selection;
    Command command;
    std::function<void()> answerDialog;  // none for tools without one
    QStringList commandLine;             // the command and its options, without file and output
};

ToolCase Cylinders() {
    return {"name Cylinder\r\n[end]\r\n",
            {15, 15},
            Command::Cylinders,
            [] {
                using D = editor::CCylinderDialog;
                AnswerDialog<D>({{D::kEndARadius, "100"},
                                 {D::kEndBRadius, "100"},
                                 {D::kEndBL, "600"},
                                 {D::kSteps, "20000"}},
                                {D::kEndASolid, D::kEndBSolid, D::kMantle});
            },
            {"cylinders", "--caret", "15", "--b", "0,600,0", "--radius-a", "100", "--radius-b",
             "100", "--steps", "20000", "--solid-a", "--solid-b", "--cylinder"}};
}

ToolCase ShiftRepeated() {
    const std::string lines =
        "\tfill 0/0/0 10/0/0 10/0/10 0/0/10 120/40/40 $\r\n"
        "\tfill 0/0/10 10/0/10 10/0/20 0/0/20 120/40/40 $\r\n";
    const std::string text = "name Rail\r\n" + lines + "[end]\r\n";
    const std::size_t start = text.find('\t');
    return {text,
            {start, start + lines.size()},
            Command::Shift,
            [] {
                using D = editor::CShiftDialog;
                AnswerDialog<D>({{D::kL, "10"}, {D::kRepeatCount, "20000"}}, {D::kRepeat});
            },
            {"shift", "--sel", QStringLiteral("%1:%2").arg(start).arg(start + lines.size()), "--l",
             "10", "--repeat", "20000"}};
}

ToolCase ImperialToMetricOfALargeText() {
    const std::string text = LargeDefinition();
    return {text,
            {0, text.size()},
            Command::ImperialToMetric,
            nullptr,
            {"imperial-to-metric", "--sel", QStringLiteral("0:%1").arg(text.size())}};
}

// Seconds that the command line takes for the case, the run of the program
// included.
double CommandLineSeconds(const ToolCase& tool, const TempFile& input) {
    const TempFile output("lumtrak-editor-bench-out.stk", "");
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(LUMTRAK_STOCK_EXE), QStringList(tool.commandLine)
                                                         << input.Name() << "-o" << output.Name());
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return -1;
    return double(clock.nsecsElapsed()) / 1e9;
}

void BM_ToolInEditorBesideCommandLine(benchmark::State& state, ToolCase (*makeCase)()) {
    const ToolCase tool = makeCase();
    const TempFile input("lumtrak-editor-bench-in.stk", tool.text);
    EditorUnderTest editor;
    editor.app.OpenNewDocument(editor::RegisteredTemplates()[0]);
    CLumtrakStockEditorView& view = editor.View();
    double editorSeconds = 0;
    double commandLineSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        view.LoadText(tool.text);
        view.SetSelection(tool.selection);
        UntilResponsive();
        const double cli = CommandLineSeconds(tool, input);
        if (cli < 0) {
            state.SkipWithError("the command line failed");
            break;
        }
        commandLineSeconds += cli;
        if (tool.answerDialog) tool.answerDialog();
        QElapsedTimer clock;
        clock.start();
        state.ResumeTiming();
        view.OnCommand(tool.command);
        view.repaint();
        UntilResponsive();
        editorSeconds += double(clock.nsecsElapsed()) / 1e9;
    }
    const auto runs = double(state.iterations());
    state.counters["commandLine_ms"] = commandLineSeconds / runs * 1000;
    state.counters["editorToCommandLine"] = editorSeconds / commandLineSeconds;
    state.counters["bytesInserted"] = double(view.Text().size()) - double(tool.text.size());
}
BENCHMARK_CAPTURE(BM_ToolInEditorBesideCommandLine, cylinders20000Steps, &Cylinders)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ToolInEditorBesideCommandLine, shiftRepeated20000Times, &ShiftRepeated)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ToolInEditorBesideCommandLine, imperialToMetricOf5MB,
                  &ImperialToMetricOfALargeText)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A locomotive whose 2D preview is open, and a bogie file that it includes
// through the "Stock Index": the time from a write of the bogie's file on disk
// until the preview has drawn it anew (the goal: under 100 ms).
void BM_PreviewRedrawAfterPartFileChange(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "lumtrak-preview-follow-benchmark";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "Stock");
    const std::filesystem::path bogie = folder / "Stock" / "bogie.stk";
    auto writeBogie = [&](int version) {
        std::ofstream(bogie, std::ios::binary) << "name Bogie\r\n"
                                               << bench::FillLines(20'000) << "rect 0 0 0 "
                                               << version << " 0 0 0 0 0 0 0 0 1 1 1\r\n[end]\r\n";
    };
    writeBogie(0);
    std::ofstream(folder / "Stock Index", std::ios::binary) << "Bogie\tStock/bogie.stk\r\n";
    const TempFile loco("lumtrak-preview-follow.stk",
                        "name Loco\r\ninclude 0 150 0 Bogie\r\ninclude 0 450 0 !Bogie\r\n"
                        "[end]\r\n");
    platform::SetProgramFolderOverride(folder.string());
    {
        EditorUnderTest editor;
        editor.app.OpenDocumentFile(loco.Name());
        editor.app.MainFrame()->ExecuteCommand(Command::ShowPreview);
        editor::CPreview2DDlg* preview = editor.View().m_pPreview2D;
        int drawings = 0;
        QObject::connect(preview, &editor::CPreview2DDlg::drawn, [&] { ++drawings; });
        static_cast<void>(QTest::qWaitForWindowExposed(preview));
        QTest::qWait(200);
        int version = 0;
        for (auto _ : state) {
            const int before = drawings;
            QElapsedTimer clock;
            clock.start();
            writeBogie(++version);
            while (drawings == before && clock.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
            if (drawings == before) state.SkipWithError("the preview did not draw again");
            QTest::qWait(50);  // the next write is a change of its own
        }
    }
    platform::SetProgramFolderOverride({});
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PreviewRedrawAfterPartFileChange)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

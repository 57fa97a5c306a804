// lumtrak-stock as a user or a script meets it: whole processes, each timed
// beside an anchor that does the least such a run must do, in the same
// benchmark, alternating, the best of the runs counted. Counters (milliseconds):
// "best_ms" and "anchor_ms" are the best wall times, "cpu_ms" and
// "anchor_cpu_ms" the best CPU times (user and system) of the program and the
// anchor, "ratio" and "cpu_ratio" the program's over the anchor's. The machine
// the kit is built on is shared, so the CPU times are the steadier measure.
//
//   --version             beside /bin/true                        goal: at most 5 ms
//   model, 1.2 MB and 50 includes (4.7 MB of JSON)
//                         beside cat of the same bytes            goal: at most 50 ms
//   shift of 20 MB to standard output
//                         beside cat of the 20 MB                 goal: at least 200 MB/s
//   index rebuild, 5,000 files of 100 MB
//                         beside grep -ric name over them         goal: at most 1.5 times
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/child_process.h"
#include "bench/stock_tree.h"
#include "bench/workload.h"

namespace {

using namespace lumtrak;
namespace fs = std::filesystem;

const std::string kStock = LUMTRAK_STOCK_EXE;

// A temporary folder for one benchmark's files, removed at the end.
struct Folder {
    explicit Folder(const std::string& name) : path(fs::temp_directory_path() / name) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs the program and the anchor in turn once an iteration; the iteration
// time is the program's wall time.
void Compare(benchmark::State& state, const std::vector<std::string>& program,
             const std::vector<std::string>& anchor,
             const std::vector<std::string>& anchorSettings = {}) {
    bench::BestTimes programTimes;
    bench::BestTimes anchorTimes;
    for (auto _ : state) {
        const auto run = bench::RunChild(program);
        const auto ran = bench::RunChild(anchor, anchorSettings);
        if (!run || !ran) {
            state.SkipWithError("a process failed");
            return;
        }
        programTimes.Take(*run);
        anchorTimes.Take(*ran);
        state.SetIterationTime(run->wallMs / 1e3);
    }
    const bench::ChildTimes& best = programTimes.best;
    const bench::ChildTimes& anchorBest = anchorTimes.best;
    state.counters["best_ms"] = best.wallMs;
    state.counters["anchor_ms"] = anchorBest.wallMs;
    state.counters["cpu_ms"] = best.cpuMs;
    state.counters["anchor_cpu_ms"] = anchorBest.cpuMs;
    state.counters["ratio"] = best.wallMs / anchorBest.wallMs;
    state.counters["cpu_ratio"] = anchorBest.cpuMs > 0 ? best.cpuMs / anchorBest.cpuMs : 0;
}

void BM_Version(benchmark::State& state) {
    Compare(state, {kStock, "--version"}, {"/bin/true"});
}
BENCHMARK(BM_Version)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_ModelWithIncludes(benchmark::State& state) {
    Folder folder("lumtrak-model-benchmark");
    const fs::path definition = folder.path / "workload.stk";
    WriteFile(definition, bench::WriteWorkload(folder.path, {}));
    const fs::path json = folder.path / "model.json";
    // The JSON the command prints, kept for the anchor to read and write.
    const std::string shell = "'" + kStock + "' model '" + definition.string() +
                              "' --program-dir '" + folder.path.string() + "' > '" + json.string() +
                              "'";
    if (!bench::RunChild({"sh", "-c", shell})) state.SkipWithError("model failed");
    Compare(state, {kStock, "model", definition.string(), "--program-dir", folder.path.string()},
            {"cat", definition.string(), json.string()});
    state.counters["json_bytes"] = double(fs::file_size(json));
}
BENCHMARK(BM_ModelWithIncludes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ShiftToStandardOutput(benchmark::State& state) {
    Folder folder("lumtrak-shift-benchmark");
    const fs::path file = folder.path / "selected.stk";
    const std::string text = bench::FillLines(20u << 20);
    WriteFile(file, text);
    Compare(state,
            {kStock, "shift", file.string(), "--sel", "0:" + std::to_string(text.size()), "--w",
             "10", "--l", "-250", "--h", "3"},
            {"cat", file.string()});
    state.counters["MB_per_s"] = double(text.size()) / 1e6 / (state.counters["best_ms"] / 1e3);
    state.counters["cpu_MB_per_s"] = double(text.size()) / 1e6 / (state.counters["cpu_ms"] / 1e3);
}
BENCHMARK(BM_ShiftToStandardOutput)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_IndexRebuild(benchmark::State& state) {
    Folder folder("lumtrak-rebuild-benchmark");
    bench::WriteStockTree(folder.path, {});
    const std::string tree = folder.path.string();
    // The C locale makes grep's case-insensitive search its fastest.
    Compare(state, {kStock, "index", "rebuild", "--program-dir", tree},
            {"grep", "-ric", "name", tree + "/Stock", tree + "/QZV/Stock"}, {"LC_ALL=C"});
}
BENCHMARK(BM_IndexRebuild)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();

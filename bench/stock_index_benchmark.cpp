// How long "Rebuild Stock Index" takes over a large stock tree, against
// `grep -ric name` over the same tree: the rebuild reads every file once, as a
// plain search does, and should take no more than one and a half times as long.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/stock_tree.h"
#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/rebuild.h"

namespace {

using namespace lumtrak;
using Clock = std::chrono::steady_clock;

struct Tree {
    Tree() {
        folder = std::filesystem::temp_directory_path() / "lumtrak-stock-index-benchmark";
        std::filesystem::remove_all(folder);
        bytes = bench::WriteStockTree(folder, {});
    }
    ~Tree() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::int64_t bytes = 0;
};

Tree& TheTree() {
    static Tree tree;
    return tree;
}

double SecondsOfRebuild(benchmark::State& state) {
    platform::NullMessageSink messages;
    platform::NullStatusSink status;
    std::vector<std::string> notes;
    const auto start = Clock::now();
    if (!stockindex::RebuildStockIndex(TheTree().folder.string(), messages, status, notes)) {
        state.SkipWithError("the index was not written");
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The C locale makes grep's case-insensitive search its fastest.
double SecondsOfGrep(benchmark::State& state) {
    const std::string folder = TheTree().folder.string();
    const std::string command =
        "LC_ALL=C grep -ric name '" + folder + "/Stock' '" + folder + "/QZV/Stock' > /dev/null";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("grep failed");
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_RebuildStockIndex(benchmark::State& state) {
    TheTree();
    for (auto _ : state)
        state.SetIterationTime(SecondsOfRebuild(state));
    state.SetBytesProcessed(state.iterations() * TheTree().bytes);
}
BENCHMARK(BM_RebuildStockIndex)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GrepNameCount(benchmark::State& state) {
    TheTree();
    for (auto _ : state)
        state.SetIterationTime(SecondsOfGrep(state));
    state.SetBytesProcessed(state.iterations() * TheTree().bytes);
}
BENCHMARK(BM_GrepNameCount)->UseManualTime()->Unit(benchmark::kMillisecond);

// Both in turn on the same warm tree; the counter "ratio" is the rebuild's time
// over grep's (the goal: at most 1.5).
void BM_RebuildAgainstGrep(benchmark::State& state) {
    TheTree();
    double rebuild = 0;
    double grep = 0;
    for (auto _ : state) {
        const double seconds = SecondsOfRebuild(state);
        rebuild += seconds;
        grep += SecondsOfGrep(state);
        state.SetIterationTime(seconds);
    }
    state.counters["grep_ms"] = benchmark::Counter(grep * 1000 / double(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(grep > 0 ? rebuild / grep : 0);
}
BENCHMARK(BM_RebuildAgainstGrep)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();

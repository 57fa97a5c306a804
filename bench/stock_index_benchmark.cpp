// How long "Rebuild Stock Index" takes over a large stock tree, against
// `grep -ric name` over the same tree: the rebuild reads every file once, as a
// plain search does, and should take no more than one and a half times as long.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/stock_tree.h"
#include "parts/part_uses.h"
#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/definition_file_names.h"
#include "stockindex/rebuild.h"
#include "stockindex/update.h"

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

// The search alone: the names of every file of the tree, held in memory, so
// that neither the tree walk nor the reads are timed.
void BM_IndexedNamesInMemory(benchmark::State& state) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TheTree().folder)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".stk") continue;
        std::ostringstream content;
        content << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files.push_back(content.str());
    }
    std::int64_t bytes = 0;
    for (const std::string& file : files)
        bytes += std::int64_t(file.size());
    for (auto _ : state) {
        for (const std::string& file : files)
            benchmark::DoNotOptimize(stockindex::IndexedNames(file));
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_IndexedNamesInMemory)->Unit(benchmark::kMillisecond);

// "Update Stock index" from a document of n names against an index of 2n
// entries, half of which the update supersedes: linear in the two sizes.
void BM_UpdateStockIndex(benchmark::State& state) {
    const auto names = static_cast<int>(state.range(0));
    std::string document;
    std::string index;
    for (int i = 0; i < names; ++i) {
        document += "name Class " + std::to_string(i * 2) + " wagon\r\n[end]\r\n";
        for (int j = i * 2; j < i * 2 + 2; ++j)
            index +=
                "Class " + std::to_string(j) + " wagon\t/s/stock" + std::to_string(j) + ".stk\r\n";
    }
    std::size_t written = 0;
    for (auto _ : state) {
        const stockindex::UpdateBlock block = stockindex::MakeUpdateBlock(document, "/d/new.stk");
        stockindex::StringIndexWriter out;
        out.Write(block.lines);
        stockindex::CopyPreviousIndex(index, block.nameList, out);
        written = out.text.size();
        benchmark::DoNotOptimize(out.text.data());
    }
    if (written <= index.size() / 3) state.SkipWithError("the entries were not copied");
    state.SetComplexityN(names);
}
BENCHMARK(BM_UpdateStockIndex)
    ->Arg(12'500)
    ->Arg(25'000)
    ->Arg(50'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Edit > Find Uses of This Part over the same tree, with the rebuild's walk and
// reading: for a part that one file names (the search reads every file and
// looks into one), and for the bogie that every definition of the tree
// includes twice (every file is read statement by statement). The goal: under
// half a second for either.
void BM_FindPartUses(benchmark::State& state, const char* name, std::size_t least) {
    TheTree();
    std::size_t found = 0;
    for (auto _ : state) {
        const auto uses = parts::FindPartUses(name, {}, TheTree().folder.string());
        found = uses.uses.size();
        benchmark::DoNotOptimize(uses.uses.data());
    }
    if (found < least) state.SkipWithError("too few uses found");
    state.counters["uses"] = benchmark::Counter(double(found));
    state.SetBytesProcessed(state.iterations() * TheTree().bytes);
}
BENCHMARK_CAPTURE(BM_FindPartUses, rare_part, "Stock 17-3", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPartUses, part_of_every_stock, "Class 40 bogie", 10'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

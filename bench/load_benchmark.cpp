// How long one load of a large definition takes: the 2D preview repeats it on
// every repaint.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "bench/workload.h"
#include "model/definition_loader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/program_folder.h"

namespace {

using namespace lumtrak;

struct Workload {
    Workload() {
        folder = std::filesystem::temp_directory_path() / "lumtrak-load-benchmark";
        std::filesystem::remove_all(folder);
        text = bench::WriteWorkload(folder, {});
        platform::SetProgramFolderOverride(folder.string());
    }
    ~Workload() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string text;
};

Workload& TheWorkload() {
    static Workload workload;
    return workload;
}

void LoadOnce(model::IncludeCache& includes, benchmark::State& state) {
    platform::NullMessageSink messages;
    auto& textures = model::TextureRegistry::Process();
    model::LoadEnvironment environment(messages, textures, includes);
    model::StockModel stock;
    model::LoadDefinitionAt(stock, model::DefinitionText(TheWorkload().text), {0, 0}, false,
                            environment);
    if (!stock.mainList) state.SkipWithError("nothing loaded");
    benchmark::DoNotOptimize(stock.mainList.get());
}

// Repeated loads, as while the preview repaints: the index and the part files
// are kept between loads.
void BM_LoadDefinition(benchmark::State& state) {
    TheWorkload();
    model::IncludeCache includes;
    for (auto _ : state)
        LoadOnce(includes, state);
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(TheWorkload().text.size()));
}
BENCHMARK(BM_LoadDefinition)->Unit(benchmark::kMillisecond);

// The first load after a change of the index: everything read from disk.
void BM_LoadDefinitionColdCache(benchmark::State& state) {
    TheWorkload();
    for (auto _ : state) {
        model::IncludeCache includes;
        LoadOnce(includes, state);
    }
}
BENCHMARK(BM_LoadDefinitionColdCache)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

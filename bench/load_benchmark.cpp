// How long one load of a large definition takes: the 2D preview repeats it on
// every repaint.
#include <benchmark/benchmark.h>

#include "bench/workload.h"
#include "model/definition_loader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "stockindex/stock_index.h"

namespace {

using namespace lumtrak;

void LoadOnce(model::IncludeCache& includes, benchmark::State& state) {
    platform::NullMessageSink messages;
    auto& textures = model::TextureRegistry::Process();
    model::LoadEnvironment environment(messages, textures, includes);
    model::StockModel stock;
    model::LoadDefinitionAt(stock, model::DefinitionText(bench::SharedWorkloadText()), {0, 0},
                            false, environment);
    if (!stock.mainList) state.SkipWithError("nothing loaded");
    benchmark::DoNotOptimize(stock.mainList.get());
}

// Repeated loads, as while the preview repaints: the index and the part files
// are kept between loads.
void BM_LoadDefinition(benchmark::State& state) {
    bench::SharedWorkloadText();
    model::IncludeCache includes{stockindex::ReadPartIndex};
    for (auto _ : state)
        LoadOnce(includes, state);
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(bench::SharedWorkloadText().size()));
}
BENCHMARK(BM_LoadDefinition)->Unit(benchmark::kMillisecond);

// The first load after a change of the index: everything read from disk.
void BM_LoadDefinitionColdCache(benchmark::State& state) {
    bench::SharedWorkloadText();
    for (auto _ : state) {
        model::IncludeCache includes{stockindex::ReadPartIndex};
        LoadOnce(includes, state);
    }
}
BENCHMARK(BM_LoadDefinitionColdCache)->Unit(benchmark::kMillisecond);

// The loader's own reading, without includes: the 20,000 panel lines of the
// workload (fills with the tails authors write, outlines) in one definition.
// Bytes a second of CPU time; the goal is 300 MB/s.
void BM_LoadPanelLines(benchmark::State& state) {
    static const std::string text = [] {
        std::string lines = "name Panels\r\nlength 600\r\ncolour body 90/90/90\r\n";
        for (int i = 0; i < bench::WorkloadShape{}.panels; ++i)
            lines += bench::PanelLine(i);
        return lines + "[end]\r\n";
    }();
    model::IncludeCache includes{model::PartIndexReader{}};
    platform::NullMessageSink messages;
    for (auto _ : state) {
        model::LoadEnvironment environment(messages, model::TextureRegistry::Process(), includes);
        model::StockModel stock;
        model::LoadDefinitionAt(stock, model::DefinitionText(text), {0, 0}, false, environment);
        benchmark::DoNotOptimize(stock.mainList.get());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_LoadPanelLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// How fast the editing tools rewrite a large selection: one forward pass over
// the selected bytes. Shift and Matrix Transformation over 20 MB of fill lines.
#include <benchmark/benchmark.h>

#include "bench/workload.h"
#include "tools/matrix_transformation.h"
#include "tools/shift.h"

namespace {

using namespace lumtrak;

const std::string& Selected() {
    static const std::string text = bench::FillLines(20u << 20);
    return text;
}

template <class Rewrite>
void RunOverSelection(benchmark::State& state, const Rewrite& rewrite) {
    const std::string& text = Selected();
    for (auto _ : state) {
        const tools::RewriteResult result = rewrite(text, tools::Selection{0, text.size()});
        benchmark::DoNotOptimize(result.replacement.data());
        if (result.replacement.size() < text.size() / 2) state.SkipWithError("nothing rewritten");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_Shift(benchmark::State& state) {
    tools::ShiftParameters parameters;
    parameters.offset = {10, -250, 3};
    RunOverSelection(state, [&](std::string_view text, tools::Selection selection) {
        return tools::Shift(text, selection, parameters);
    });
}
BENCHMARK(BM_Shift)->Unit(benchmark::kMillisecond);

void BM_MatrixTransformation(benchmark::State& state) {
    // A turn of about 30 degrees about the height axis with a move.
    const tools::TransformMatrix matrix{
        {0.866f, -0.5f, 0, 12.5f, 0.5f, 0.866f, 0, -40, 0, 0, 1, 0}};
    RunOverSelection(state, [&](std::string_view text, tools::Selection selection) {
        return tools::MatrixTransformation(text, selection, matrix);
    });
}
BENCHMARK(BM_MatrixTransformation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

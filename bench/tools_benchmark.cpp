// How fast the editing tools rewrite a large selection: one forward pass over
// the selected bytes. Shift and Matrix Transformation over 20 MB of fill lines.
#include <benchmark/benchmark.h>

#include "bench/workload.h"
#include "tools/cylinders.h"
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

// Shift with Repeat over two panel lines in a document of 100 KB: each pass
// reads only what it can reach, so the time grows with the result, linearly
// in the number of passes.
void BM_ShiftRepeat(benchmark::State& state) {
    const std::string lines = "fill 0 0 0 10 0 0 10 0 10 0 0 10 9/9/9\r\nvertex 5 5 5\r\n";
    const std::string text = lines + bench::FillLines(100u << 10);
    tools::ShiftParameters parameters{{10, -250, 3}, false, true, std::int32_t(state.range(0))};
    std::size_t size = 0;
    for (auto _ : state) {
        const auto result = tools::Shift(text, {0, lines.size()}, parameters);
        size = result.replacement.size();
        benchmark::DoNotOptimize(result.replacement.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShiftRepeat)
    ->Arg(2'000)
    ->Arg(4'000)
    ->Arg(8'000)
    ->Arg(16'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Cylinders at the largest step count allowed with all three surfaces on.
void BM_CylindersAtTheLimit(benchmark::State& state) {
    tools::CylinderParameters parameters;
    parameters.endA = {{0, 0, 0}, 100, true, {}};
    parameters.endB = {{0, 0, 1000}, 100, true, {}};
    parameters.mantle = true;
    parameters.steps = tools::MostCylinderSteps(parameters);
    for (auto _ : state) {
        const auto result = tools::Cylinders({}, {0, 0}, parameters);
        benchmark::DoNotOptimize(result.replacement.data());
    }
}
BENCHMARK(BM_CylindersAtTheLimit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The check of a large definition: "lumtrak-stock check" as a whole program
// run on the 1.4 MB, 20,000-panel definition with 50 includes through a
// "Stock Index" of 2,000 files, the same check in process, and the token pass
// that the editor colours with.
// Run: build/ci/bench/lumtrak_check_benchmark
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "bench/workload.h"
#include "diagnostics/check.h"
#include "diagnostics/tokens.h"
#include "model/include_cache.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"

extern char** environ;

namespace {

using namespace lumtrak;

// The workload's definition as a file of its program folder.
const std::filesystem::path& WorkloadFile() {
    static const std::filesystem::path file = [] {
        const std::string& text = bench::SharedWorkloadText();
        std::filesystem::path path =
            std::filesystem::path(platform::ProgramFolder()) / "Workload.stk";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }();
    return file;
}

// Runs the program with its output thrown away; gives its exit status and
// adds the processor time it took (user and system) to `cpuSeconds`.
int RunQuietly(std::vector<std::string> arguments, double& cpuSeconds) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    for (const timeval& time : {usage.ru_utime, usage.ru_stime})
        cpuSeconds += double(time.tv_sec) + double(time.tv_usec) / 1e6;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The whole program run: start, read the index and the parts, load, draw,
// look the textures up, write the problems. The child's processor time is
// given beside the real time, which other programs on the machine inflate.
void BM_CheckCommand(benchmark::State& state) {
    const std::string file = WorkloadFile().string();
    double cpuSeconds = 0;
    for (auto _ : state) {
        // The workload's fills name a texture that is not there: status 1.
        if (RunQuietly(
                {LUMTRAK_STOCK_EXE, "check", file, "--program-dir", platform::ProgramFolder()},
                cpuSeconds) != 1) {
            state.SkipWithError("check did not report the workload's problems");
            break;
        }
    }
    state.counters["child_cpu_ms"] = 1000 * cpuSeconds / double(state.iterations());
}
BENCHMARK(BM_CheckCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

// The check in a running program, as the editor's Problems panel runs it:
// the index and the parts are kept between checks.
void BM_CheckInProcess(benchmark::State& state) {
    const std::string& text = bench::SharedWorkloadText();
    const std::string path = WorkloadFile().string();
    model::IncludeCache includes{stockindex::ReadPartIndex};
    platform::NullMessageSink messages;
    diagnostics::Checker checker(includes, messages);
    std::size_t problems = 0;
    for (auto _ : state)
        problems = checker.Check({text, path, path}).problems.size();
    state.counters["problems"] = double(problems);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_CheckInProcess)->Unit(benchmark::kMillisecond);

void BM_TokenPass(benchmark::State& state) {
    const std::string& text = bench::SharedWorkloadText();
    std::vector<diagnostics::Token> tokens;
    for (auto _ : state) {
        tokens.clear();
        diagnostics::AppendTokens(text, 0, text.size(), tokens);
        benchmark::DoNotOptimize(tokens.data());
    }
    state.counters["tokens"] = double(tokens.size());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_TokenPass)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumtrak::bench {

// What one run of a program took: wall time and the CPU time (user and
// system) that it and its children used, in milliseconds.
struct ChildTimes {
    double wallMs = 0;
    double cpuMs = 0;
};

// Runs the program (argument 0, looked up in PATH) with its output and error
// going to /dev/null and the settings ("NAME=value") added to its environment,
// and waits for it. Nothing when it cannot be started or does not exit with
// status 0.
std::optional<ChildTimes> RunChild(const std::vector<std::string>& arguments,
                                   const std::vector<std::string>& settings = {});

// The best of several runs, each measure on its own.
struct BestTimes {
    ChildTimes best{1e300, 1e300};
    void Take(const ChildTimes& run);
};

}  // namespace lumtrak::bench

#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace lumtrak::testing {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    bool timedOut = false;  // killed at the deadline; exitCode is then 128 + SIGKILL
};

// Long enough for any one run of the kit's programs under the sanitizers.
inline constexpr std::chrono::milliseconds kProcessDeadline = std::chrono::seconds(30);

// Runs a program with arguments, feeding input to its standard input, and
// collects its exit status and both outputs. environment adds to (or, with an
// empty value, removes from) the inherited environment. A program still running
// at the deadline is killed, with every process it started.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {},
                         const std::map<std::string, std::string>& environment = {},
                         const std::string& workingFolder = {},
                         std::chrono::milliseconds deadline = kProcessDeadline);

}  // namespace lumtrak::testing

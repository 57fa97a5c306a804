#pragma once

#include <chrono>
#include <map>
#include <optional>
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

// A program started in the background, reading nothing, its standard output
// read line by line and its standard error going where the test's goes. Killed,
// with whatever it started, if it still runs when the object goes.
class StartedProcess {
  public:
    StartedProcess(const std::string& program, const std::vector<std::string>& arguments,
                   const std::map<std::string, std::string>& environment = {});
    ~StartedProcess();
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    // The next line of its standard output without the line break; nothing at
    // the end of the output or at the deadline.
    std::optional<std::string> ReadLine(std::chrono::milliseconds deadline = kProcessDeadline);
    void Signal(int signal);
    // Waits for the end: the exit status, or 128 + the signal that ended it;
    // nothing at the deadline.
    std::optional<int> Wait(std::chrono::milliseconds deadline = kProcessDeadline);

  private:
    int pid_ = -1;
    int out_ = -1;
    std::string pending_;
    bool ended_ = false;
};

}  // namespace lumtrak::testing

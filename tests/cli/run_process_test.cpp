#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

#include "support/run_process.h"

namespace lumtrak::testing {
namespace {

using namespace std::chrono_literals;

TEST(RunProcess, KillsAProgramStillRunningAtTheDeadline) {
    struct Case {
        const char* script;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {"sleep 20", 128 + SIGKILL},
        {"exec >&- 2>&-; sleep 20", 128 + SIGKILL},
        // Ends at once, but the program it started holds the outputs open.
        {"sleep 20 & exit 0", 0},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = RunProcess("/bin/sh", {"-c", c.script}, {}, {}, {}, 300ms);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << c.script;
        EXPECT_TRUE(result.timedOut) << c.script;
        EXPECT_EQ(result.exitCode, c.exitCode) << c.script;
    }
}

TEST(RunProcess, AProgramThatEndsInTimeIsNotTimedOut) {
    const auto result = RunProcess("/bin/sh", {"-c", "cat; echo done >&2; exit 3"}, "input");
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "input");
    EXPECT_EQ(result.err, "done\n");
}

}  // namespace
}  // namespace lumtrak::testing

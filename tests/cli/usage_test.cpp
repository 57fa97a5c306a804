#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace lumtrak::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(Usage, HelpAndVersionGoToStandardOutputAndSucceed) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"model", "--help"}, {"--version"}}) {
        const auto result = RunStock(args);
        EXPECT_EQ(result.exitCode, 0) << args[0];
        EXPECT_FALSE(result.out.empty());
        EXPECT_TRUE(result.err.empty());
    }
    EXPECT_THAT(RunStock({"model", "--help"}).out, HasSubstr("--highlight"));
}

TEST(Usage, BadUsageExitsWithTwoAndNamesTheCulprit) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"frobnicate"}, "frobnicate"},
        {{"model", "x.stk", "--bogus"}, "--bogus"},
        {{"model", "x.stk", "--sel", "5"}, "--sel"},
        {{"model", "x.stk", "--sel", "5:2"}, "--sel"},
        {{"model", "x.stk", "--caret", "abc"}, "--caret"},
        {{"model", "/no/such/file.stk"}, "/no/such/file.stk"},
        {{"model"}, "FILE"},
        {{"model", "x.stk", "--highlight=yes"}, "--highlight"},
    };
    for (const auto& c : cases) {
        const auto result = RunStock(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.named;
        EXPECT_THAT(result.err, StartsWith("lumtrak-stock: ")) << c.named;
        EXPECT_THAT(result.err, HasSubstr(c.named));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

}  // namespace
}  // namespace lumtrak::testing

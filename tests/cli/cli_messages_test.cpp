#include <gtest/gtest.h>

#include "cli/cli_messages.h"

namespace lumtrak::cli {
namespace {

TEST(CliMessages, EveryLineBreakInATextIsWrittenAsBackslashNOnOneLine) {
    CliMessageSink sink;
    ::testing::internal::CaptureStderr();
    sink.Show("Caption", "one\r\ntwo\rthree\nfour\n\r");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Caption: one\\ntwo\\nthree\\nfour\\n\\n\n");
    // The JSON keeps the text as it is.
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "one\r\ntwo\rthree\nfour\n\r");
}

}  // namespace
}  // namespace lumtrak::cli

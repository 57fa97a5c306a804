#include <gtest/gtest.h>

#include "platform/path_parts.h"

namespace lumtrak::platform {
namespace {

TEST(PathParts, SplitPathGivesAFolderToOpenAndTheName) {
    const auto parts = [](std::string_view path) {
        const PathParts split = SplitPath(path);
        return split.folder + "|" + split.name;
    };
    EXPECT_EQ(parts("loco.stk"), ".|loco.stk");
    EXPECT_EQ(parts("/loco.stk"), "/|loco.stk");
    EXPECT_EQ(parts("stock/loco.stk"), "stock|loco.stk");
    EXPECT_EQ(parts("/home/me/stock/"), "/home/me/stock|");
    EXPECT_EQ(parts(""), ".|");
}

}  // namespace
}  // namespace lumtrak::platform

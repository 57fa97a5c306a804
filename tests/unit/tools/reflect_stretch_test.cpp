#include <gtest/gtest.h>

#include "tools/reflect.h"
#include "tools/stretch.h"
#include "unit/tools/tool_test_support.h"

namespace lumtrak::tools {
namespace {

TEST(Reflect, ReversesEveryPanelEvenWithoutAnAxisAndTwiceRestoresIt) {
    const std::string text = "fill 1/1/1 2/2/2 3/3/3 4/4/4 red\r\nline 1 2 3 4 5 6 0 0 0\r\n";
    const std::string once = After(text, Reflect(text, All(text), {}));
    EXPECT_EQ(once, "Fill 2/2/2 1/1/1 4/4/4 3/3/3 red\r\nLine 4/5/6 1/2/3 0 0 0\r\n");
    EXPECT_EQ(After(once, Reflect(once, All(once), {})),
              "Fill 1/1/1 2/2/2 3/3/3 4/4/4 red\r\nLine 1/2/3 4/5/6 0 0 0\r\n");
}

TEST(Reflect, MirrorsTheChosenAxesAboutTheCentre) {
    const std::string text = "vertex 1 2 3 \r\nrect 0 0 0 10 0 0 10 10 0 0 10 -5 ";
    ReflectParameters parameters{{5, 100, 0}, true, false, true, false};
    EXPECT_EQ(After(text, Reflect(text, All(text), parameters)),
              "Vertex 9 2 -3 \r\nRect 0/0/0 10/0/0 10/10/5 0/10/0 ");
}

TEST(Reflect, TurnsSideTagsRoundOnlyForTheirAxis) {
    const std::string text = "[FRONT] [back] [LEFT] [Right] [D3D] [1,0,0,1]";
    EXPECT_EQ(After(text, Reflect(text, All(text), {{}, false, true, false, false})),
              "[Back] [Front] [Left] [Right] [D3D] [1,0,0,1]");
    EXPECT_EQ(After(text, Reflect(text, All(text), {{}, true, false, false, false})),
              "[Front] [Back] [Right] [Left] [D3D] [1,0,0,1]");
}

TEST(Reflect, LeaveOriginalKeepsTheSelectedTextFirst) {
    const std::string text = "vertex 1 0 0\r\n";
    EXPECT_EQ(After(text, Reflect(text, All(text), {{}, true, false, false, true})),
              "vertex 1 0 0\r\n\r\nVertex -1 0 0 \r\n");
}

TEST(Reflect, WritesThePointsOfAnUnfinishedPanelUnchanged) {
    // The selection ends inside the list, and a second keyword cuts another short:
    // their points stay in the text as they were.
    const std::string text =
        "fill 1/1/1 2/2/2 rect 1 2 3 4 5 6 7 8 9 1 1 1\r\nfill 5 5 5 6 6 6 7 7 7 8 8 8";
    ReflectParameters parameters{{}, true, false, false, false};
    const auto result = Reflect(text, {0, text.size() - 10}, parameters);
    EXPECT_EQ(After(text, result),
              "Fill 1/1/1 2/2/2 Rect -4/5/6 -1/2/3 -1/1/1 -7/8/9 \r\nFill 5/5/5 6/6/6 "
              "7/7/7  7 7 8 8 8");
}

TEST(Stretch, ScalesAboutTheOriginTruncatingTowardZero) {
    const std::string text = "vertex 3 -3 150\r\nline 3 3 3 -3 -3 -3\r\n";
    StretchParameters parameters{{50, 100, 200}, {0, 7, 100}, true, false, true, false};
    EXPECT_EQ(After(text, Stretch(text, All(text), parameters)),
              "Vertex 1 -3 200 \r\nLine 1/3/-94 -1/-3/-106 \r\n");
}

TEST(Stretch, AFactorOfZeroFlattensOntoTheOriginAndUncheckedAxesStay) {
    const std::string text = "rect 1 2 3 4 5 6 7 8 9 10 11 12 [Left]";
    StretchParameters parameters{{0, 0, 0}, {9, 9, 9}, false, true, false, true};
    EXPECT_EQ(After(text, Stretch(text, All(text), parameters)),
              text + "\r\nRect 1/9/3 4/9/6 7/9/9 10/9/12 [Left]");
}

}  // namespace
}  // namespace lumtrak::tools

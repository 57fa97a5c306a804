#include "platform/window_placement.h"

#include <gtest/gtest.h>

namespace lumtrak::platform {
namespace {

constexpr WindowRect kFullHd{0, 0, 1920, 1040};

TEST(WindowPlacement, APreviewTakesTwoThirdsOfTheScreenAndAtLeastItsMinimumWhereItFits) {
    EXPECT_EQ(PreviewWindowSize(kFullHd, 800, 600), (WindowRect{0, 0, 1280, 693}));
    // Two thirds of a small screen would be less than the minimum.
    EXPECT_EQ(PreviewWindowSize({0, 0, 1024, 768}, 800, 600), (WindowRect{0, 0, 800, 600}));
    // A screen smaller than the minimum gives the whole screen, not more.
    EXPECT_EQ(PreviewWindowSize({10, 20, 640, 480}, 800, 600), (WindowRect{10, 20, 640, 480}));
    EXPECT_EQ(PreviewWindowSize({0, 0, 0, 0}, 800, 600), (WindowRect{0, 0, 0, 0}));
}

TEST(WindowPlacement, ANewWindowGoesBesideTheMainWindowInsideTheScreen) {
    // Room on the right.
    EXPECT_EQ(PlaceBeside({100, 50, 600, 500}, 800, 600, kFullHd), (WindowRect{700, 50, 800, 600}));
    // None on the right, but on the left.
    EXPECT_EQ(PlaceBeside({1000, 50, 800, 500}, 800, 600, kFullHd),
              (WindowRect{200, 50, 800, 600}));
    // Neither: against the screen's right edge, over the main window; the top
    // moved up so that the whole window shows.
    EXPECT_EQ(PlaceBeside({0, 700, 1920, 340}, 1280, 693, kFullHd),
              (WindowRect{640, 347, 1280, 693}));
    // On a second screen to the right of the first.
    EXPECT_EQ(PlaceBeside({1920, 0, 400, 300}, 800, 600, {1920, 0, 1920, 1080}),
              (WindowRect{2320, 0, 800, 600}));
}

TEST(WindowPlacement, ARememberedPlaceIsFittedIntoTheScreen) {
    // Inside already: kept.
    EXPECT_EQ(FitInto({10, 20, 300, 200}, kFullHd), (WindowRect{10, 20, 300, 200}));
    // Off the right and bottom edges (a screen that became smaller): moved in.
    EXPECT_EQ(FitInto({1800, 1000, 400, 300}, kFullHd), (WindowRect{1520, 740, 400, 300}));
    // Off the left and top edges.
    EXPECT_EQ(FitInto({-500, -20, 400, 300}, kFullHd), (WindowRect{0, 0, 400, 300}));
    // Larger than the screen: shrunk to it.
    EXPECT_EQ(FitInto({300, 300, 4000, 3000}, kFullHd), kFullHd);
}

TEST(WindowPlacement, PlacesAreRememberedAsTextAndOnlyWellFormedTextIsRead) {
    MemorySettingsStore settings;
    EXPECT_FALSE(ReadWindowRect(settings, "Preview3D", "Geometry"));
    WriteWindowRect(settings, "Preview3D", "Geometry", {-1920, 40, 1280, 693});
    EXPECT_EQ(settings.values.at({"Preview3D", "Geometry"}), "-1920 40 1280 693");
    EXPECT_EQ(ReadWindowRect(settings, "Preview3D", "Geometry"),
              (WindowRect{-1920, 40, 1280, 693}));

    for (const char* bad : {"", "1 2 3", "1 2 3 4 5", "1 2 0 4", "1 2 3 -4", " 1 2 3 4", "1 2 3 4 ",
                            "1,2,3,4", "1 2 3 x", "1 2 3 99999999999", "+1 2 3 4"}) {
        settings.Write("Preview3D", "Geometry", bad);
        EXPECT_FALSE(ReadWindowRect(settings, "Preview3D", "Geometry")) << bad;
    }
    settings.Write("Preview3D", "Geometry", "1  2 3 4");
    EXPECT_EQ(ReadWindowRect(settings, "Preview3D", "Geometry"), (WindowRect{1, 2, 3, 4}));

    WriteWindowPosition(settings, "Preview2D", "Position", {-5, 7});
    EXPECT_EQ(settings.values.at({"Preview2D", "Position"}), "-5 7");
    EXPECT_EQ(ReadWindowPosition(settings, "Preview2D", "Position"), (WindowPosition{-5, 7}));
    settings.Write("Preview2D", "Position", "5");
    EXPECT_FALSE(ReadWindowPosition(settings, "Preview2D", "Position"));
}

}  // namespace
}  // namespace lumtrak::platform

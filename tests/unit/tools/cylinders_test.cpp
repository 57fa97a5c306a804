#include "tools/cylinders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumtrak::tools {
namespace {

std::string Joined(const std::vector<CylinderPiece>& pieces) {
    std::string text;
    for (const auto& piece : pieces)
        text += piece.text;
    return text;
}

CylinderParameters UprightCylinder() {
    CylinderParameters p;
    p.endA = {{0, 0, 0}, 10, false, {}};
    p.endB = {{0, 0, 100}, 10, false, {}};
    p.steps = 4;
    return p;
}

TEST(Cylinders, EndFanTruncatesTowardZeroWithTheShortenedFullCircle) {
    auto p = UprightCylinder();
    p.endA.solid = true;
    p.endA.look = {255, 0, 0, false, false};
    const auto pieces = CylinderPieces(p);
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(pieces[0].text, "\tFill 0/0/0 0/0/0 0/-10/0 -9/0/0 255:0:0  \r\n");
    EXPECT_EQ(pieces[1].text, "\tFill 0/0/0 0/0/0 -9/0/0 0/9/0 255:0:0  \r\n");
    EXPECT_EQ(pieces[2].text, "\tFill 0/0/0 0/0/0 0/9/0 9/0/0 255:0:0  \r\n");
    EXPECT_EQ(pieces[3].text, "\tFill 0/0/0 0/0/0 9/0/0 0/-10/0 255:0:0  \r\n");
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(pieces[i].cancelsSelection);
    EXPECT_EQ(pieces[4].text, "\r\n");
    EXPECT_FALSE(pieces[4].cancelsSelection);
    EXPECT_EQ(pieces[5].text, "\r\n");
}

TEST(Cylinders, SurfacesComeInOrderWithTheirOwnColourAndMarker) {
    auto p = UprightCylinder();
    p.steps = 1;
    p.endA.solid = true;
    p.endA.look = {1, 2, 3, true, false};
    p.endB.solid = true;
    p.endB.look = {4, 5, 6, true, true};
    p.mantle = true;
    p.mantleLook = {7, 8, 9, false, true};
    // One step runs from angle 0 back to angle 0.
    EXPECT_EQ(Joined(CylinderPieces(p)),
              "\tFill 0/0/0 0/0/0 0/-10/0 0/-10/0 1:2:3 $\r\n"
              "\r\n"
              "\tFill 0/-10/0 0/-10/0 0/-10/100 0/-10/100 7:8:9 =\r\n"
              "\r\n"
              "\tFill 0/0/100 0/0/100 0/-10/100 0/-10/100 4:5:6 =\r\n");
}

TEST(Cylinders, NoSurfaceOrNoStepsGivesOnlyTheTwoLineBreaks) {
    auto p = UprightCylinder();
    EXPECT_EQ(Joined(CylinderPieces(p)), "\r\n\r\n");
    p.endA.solid = p.endB.solid = p.mantle = true;
    p.steps = 0;
    EXPECT_EQ(Joined(CylinderPieces(p)), "\r\n\r\n");
    p.steps = -3;
    EXPECT_EQ(Joined(CylinderPieces(p)), "\r\n\r\n");
}

TEST(Cylinders, ConeMantleMeetsInOnePointAtTheZeroRadiusEnd) {
    auto p = UprightCylinder();
    p.endB.radius = 0;
    p.mantle = true;
    const auto pieces = CylinderPieces(p);
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(pieces[1].text, "\tFill 0/-10/0 -9/0/0 0/0/100 0/0/100 0:0:0  \r\n");
}

TEST(Cylinders, CoincidingEndsPutEveryRimPointAtTheCentre) {
    CylinderParameters p;
    p.endA = {{5, 6, 7}, 10, true, {}};
    p.endB = {{5, 6, 7}, 20, true, {}};
    p.steps = 3;
    for (const std::int32_t radiusA : {10, 0, -1}) {
        p.endA.radius = radiusA;
        const auto pieces = CylinderPieces(p);
        ASSERT_EQ(pieces.size(), 8u) << radiusA;
        EXPECT_EQ(pieces[0].text, "\tFill 5/6/7 5/6/7 5/6/7 5/6/7 0:0:0  \r\n") << radiusA;
        EXPECT_EQ(pieces[7].text, pieces[0].text) << radiusA;
    }
}

TEST(Cylinders, SlantedAxisGivesTheSkewedRingOfTheFormula) {
    CylinderParameters p;
    p.endA = {{0, 0, 0}, 5, true, {}};
    p.endB = {{30, 40, 0}, 5, false, {}};  // axis length 50, rim vector (-3, -4, 0)
    p.steps = 2;
    const auto pieces = CylinderPieces(p);
    // t = 0: W = 0 + cos*(-4), L = 0 + cos*0, H = 0 + cos*(-3).
    // t = 3.1415: sin t is tiny, cos t just above -1.
    EXPECT_EQ(pieces[0].text, "\tFill 0/0/0 0/0/0 -4/0/-3 3/0/2 0:0:0  \r\n");
}

TEST(Cylinders, HugeCoordinatesWrapInsteadOfOverflowing) {
    CylinderParameters p;
    p.endA = {{INT32_MAX, INT32_MIN, 0}, INT32_MAX, true, {}};
    p.endB = {{INT32_MIN, INT32_MAX, 65536}, INT32_MIN, true, {}};
    p.mantle = true;
    p.steps = 2;
    EXPECT_EQ(CylinderPieces(p).size(), 8u);
}

TEST(Cylinders, ASolidEndAInsertsAfterTheSelectedTextWhichStays) {
    auto p = UprightCylinder();
    p.steps = 1;
    p.endA.solid = true;
    const std::string text = "abcdef";
    const auto result = Cylinders(text, {1, 3}, p);
    const std::string inserted = Joined(CylinderPieces(p));
    EXPECT_EQ(result.range, (Selection{3, 3}));
    EXPECT_EQ(ApplyRewrite(text, result), "abc" + inserted + "def");
    EXPECT_EQ(result.selectionAfter, (Selection{3 + inserted.size(), 3 + inserted.size()}));
    EXPECT_FALSE(result.repaintsPreview);
    EXPECT_FALSE(result.reselects);
}

TEST(Cylinders, WithoutEndAAFirstLineBreakReplacesTheSelectedText) {
    auto p = UprightCylinder();
    p.steps = 1;
    p.mantle = true;
    p.endB.solid = true;
    const std::string text = "abcdef";
    const auto result = Cylinders(text, {1, 3}, p);
    EXPECT_EQ(result.range, (Selection{1, 3}));
    EXPECT_EQ(ApplyRewrite(text, result), "a" + Joined(CylinderPieces(p)) + "def");
}

TEST(Cylinders, InsertingPieceByPieceGivesTheSameTextAndCaretAsTheWholeResult) {
    for (const bool endA : {false, true}) {
        for (const Selection selection : {Selection{2, 2}, Selection{2, 5}, Selection{9, 99}}) {
            auto p = UprightCylinder();
            p.endA.solid = endA;
            p.mantle = true;
            const std::string text = "fill 1 2 3\r\n";
            MemoryTextBuffer buffer(text, selection);
            InsertCylinders(buffer, p);
            const auto result = Cylinders(text, selection, p);
            EXPECT_EQ(buffer.Text(), ApplyRewrite(text, result));
            EXPECT_EQ(buffer.CurrentSelection(), result.selectionAfter);
            EXPECT_EQ(buffer.Repaints(), 0);
        }
    }
}

TEST(Cylinders, TheMostStepsKeepThePanelsWithinAMillionLines) {
    CylinderParameters p;
    EXPECT_EQ(MostCylinderSteps(p), INT32_MAX);  // nothing to make
    p.mantle = true;
    EXPECT_EQ(MostCylinderSteps(p), 1'000'000);
    p.endA.solid = true;
    EXPECT_EQ(MostCylinderSteps(p), 500'000);
    p.endB.solid = true;
    EXPECT_EQ(MostCylinderSteps(p), 333'333);
}

}  // namespace
}  // namespace lumtrak::tools

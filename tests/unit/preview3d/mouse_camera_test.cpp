#include "preview3d/mouse_camera.h"

#include <gtest/gtest.h>

namespace lumtrak::preview3d {
namespace {

using Moves = std::vector<BarMove>;

TEST(MouseCamera, ADragMovesTheAngleBarAcrossAndTheHeightBarUpAndDown) {
    MouseCamera mouse;
    EXPECT_EQ(mouse.MoveTo(50, 50), Moves{});  // no button held
    mouse.Press(10, 10, DragKind::Orbit);
    // 100 pixels to the right: twenty line steps of the angle bar.
    EXPECT_EQ(mouse.MoveTo(110, 10), (Moves{{ScrollBar::Angle, 20}}));
    // 12 pixels down: two steps of the height bar, each a page, upwards; the
    // 2 pixels left over count towards the next step.
    EXPECT_EQ(mouse.MoveTo(110, 22), (Moves{{ScrollBar::Height, -20}}));
    EXPECT_EQ(mouse.MoveTo(110, 24), Moves{});
    EXPECT_EQ(mouse.MoveTo(110, 25), (Moves{{ScrollBar::Height, -10}}));
    // Back left and up together, in small moves that add up to whole steps.
    Moves moves;
    for (int i = 1; i <= 10; ++i) {
        for (const BarMove& move : mouse.MoveTo(110 - i, 25 - i))
            moves.push_back(move);
    }
    EXPECT_EQ(moves, (Moves{{ScrollBar::Angle, -1},
                            {ScrollBar::Height, 10},
                            {ScrollBar::Angle, -1},
                            {ScrollBar::Height, 10}}));
    mouse.Release();
    EXPECT_FALSE(mouse.Dragging());
    EXPECT_EQ(mouse.MoveTo(0, 0), Moves{});
}

TEST(MouseCamera, ALightDragMovesOnlyTheLightBar) {
    MouseCamera mouse;
    mouse.Press(0, 0, DragKind::Light);
    EXPECT_EQ(mouse.MoveTo(-26, 80), (Moves{{ScrollBar::Light, -5}}));
    EXPECT_EQ(mouse.MoveTo(-26, 0), Moves{});
    // A new drag starts from where it is pressed, whatever was left over.
    mouse.Press(0, 0, DragKind::Orbit);
    EXPECT_EQ(mouse.MoveTo(4, 0), Moves{});
}

TEST(MouseCamera, AWheelNotchMovesTheDistanceBarByATenthOfItsRange) {
    EXPECT_EQ(DistancePositionsPerNotch(), 500);
    MouseCamera mouse;
    // Rolled away from the viewer: closer.
    EXPECT_EQ(mouse.Wheel(120), (Moves{{ScrollBar::Distance, -500}}));
    EXPECT_EQ(mouse.Wheel(-240), (Moves{{ScrollBar::Distance, 1000}}));
    // A fine wheel's small turns add up to a notch.
    EXPECT_EQ(mouse.Wheel(60), Moves{});
    EXPECT_EQ(mouse.Wheel(59), Moves{});
    EXPECT_EQ(mouse.Wheel(1), (Moves{{ScrollBar::Distance, -500}}));
}

}  // namespace
}  // namespace lumtrak::preview3d

#include "preview3d/animation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene_test_support.h"

namespace lumtrak::preview3d::testing {
namespace {

using Animation = SceneTest;

rm::Orientation InTop(const ScenePart& part, const ScenePart& top) {
    return part.frame->GetOrientation(top.frame.get());
}

TEST_F(Animation, AWheelTurnsFromItsPhaseOneTenthRadianATick) {
    Build("wheel 0 0 0 -1 90 w\nwheel 0 0 0 1 0 w\n[end]\nname w\n[end]");
    const ScenePart& phase90 = Child(*top, 1);
    const ScenePart& phase0 = Child(*top, 0);
    // At tick 0, phase 90 stands as a still part would, phase 0 a quarter turn on.
    ExpectNear(InTop(phase90, *top).direction, {0, 0.0003f, 1.0f}, 1e-3f);
    ExpectNear(InTop(phase90, *top).up, {0, 1.0f, 0.0005f}, 1e-3f);
    ExpectNear(InTop(phase0, *top).direction, {0, 1, 0}, 1e-3f);
    ExpectNear(InTop(phase0, *top).up, {0, 0.0008f, -1.0f}, 1e-3f);

    // A negative parameter turns one way, a positive one the other.
    UpdatePart(*top, nullptr, 10);
    const double turned = 1 + 90 * 3.141 / 180;
    ExpectNear(InTop(phase90, *top).direction,
               {0, float(std::cos(turned)), float(std::sin(turned))}, 1e-3f);
    ExpectNear(InTop(phase0, *top).direction, {0, float(std::cos(-1.0)), float(std::sin(-1.0))},
               1e-3f);
}

TEST_F(Animation, MirroredPartsFaceBackAndTurnedWheelsStayTurned) {
    Build(
        "include 0 0 0 !s\nwheel 0 0 0 1 90 !w\nwheel 0 0 0 1 90 w\n[end]\nname s\n[end]\n"
        "name w\n[end]");
    const ScenePart& still = Child(*top, 2);
    const ScenePart& mirroredWheel = Child(*top, 1);
    const ScenePart& wheel = Child(*top, 0);
    ExpectNear(InTop(still, *top).direction, {0, 0, -1});
    for (const std::int32_t tick : {0, 7}) {
        UpdatePart(*top, nullptr, tick);
        ExpectNear(InTop(mirroredWheel, *top).direction, InTop(wheel, *top).direction);
        ExpectNear(InTop(mirroredWheel, *top).up, InTop(wheel, *top).up);
        // Its own front points the other way: its faces stay turned round.
        ExpectNear(mirroredWheel.frame->GetWorldTransform().front,
                   -wheel.frame->GetWorldTransform().front);
    }
}

TEST_F(Animation, AMotion1PartTurnsWithItsWheelButKeepsTheTopsAttitude) {
    Build("wheel 0 0 0 -1 0 w\n[end]\nname w\nmotion1 0 10 0 m\n[end]\nname m\n[end]");
    const ScenePart& wheel = Child(*top, 0);
    const ScenePart& moving = Child(wheel, 0);
    EXPECT_EQ(moving.motionKind, 1);
    for (const std::int32_t tick : {0, 10}) {
        UpdatePart(*top, nullptr, tick);
        const double theta = tick / 10.0;
        ExpectNear(moving.frame->GetPosition(top->frame.get()),
                   {0, float(std::cos(theta)), float(std::sin(theta))}, 1e-3f);
        ExpectNear(InTop(moving, *top).direction, {0, 0, 1});
        ExpectNear(InTop(moving, *top).up, {0, 1, 0});
    }
}

TEST_F(Animation, Motion2PointsAtItsGuideAndMotion3AtItsPoint) {
    // Distance 0: straight up to the guide, 5 above the part.
    Build("motion2 0 0 0 0 50 0 g\n[end]\nname g\n[end]");
    const ScenePart& guided = Child(*top, 0);
    EXPECT_EQ(guided.extras, (std::array<double, 3>{0, 5, 0}));
    ExpectNear(InTop(guided, *top).direction, {0, 1, 0});

    // A guide at distance 20 on a level line 0: the search ends 20 along.
    Build("motion2 0 0 0 200 0 0 g\n[end]\nname g\n[end]");
    ExpectNear(InTop(Child(*top, 0), *top).direction, {0, 0, 1}, 1e-3f);

    // The root length 39 adds 39 div 20 = 1 to the along position.
    Build("length 39\nmotion3 0 20 0 0 0 100 t\n[end]\nname t\n[end]");
    const ScenePart& pointing = Child(*top, 0);
    EXPECT_EQ(pointing.offset, (ScenePoint{0, 0, 0.1}));
    const rm::Vector direction = InTop(pointing, *top).direction;
    EXPECT_NEAR(direction.z / direction.y, -3.0 / 10.0, 1e-4);
}

TEST_F(Animation, PartsWithoutAMotionOfTheirKindAreOnlyPlaced) {
    Build("wheel 10 0 0 0 7 p\n[end]\nname p\n[end]");
    const ScenePart& part = Child(*top, 0);
    EXPECT_EQ(part.MotionOf(), Motion::PositionOnly);
    ExpectNear(part.frame->GetPosition(top->frame.get()), {1, 0, 0});
}

}  // namespace
}  // namespace lumtrak::preview3d::testing

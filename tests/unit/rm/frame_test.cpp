#include "rm/frame.h"

#include <gtest/gtest.h>

#include "rm/engine.h"

namespace lumtrak::rm {
namespace {

void ExpectNear(Vector actual, Vector expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

// A scene root, a parent standing at (10, 0, 0) facing +x, and its child.
struct Scene {
    Engine engine;
    std::shared_ptr<Frame> root = engine.CreateFrame(nullptr);
    std::shared_ptr<Frame> parent = engine.CreateFrame(root.get());
    std::shared_ptr<Frame> child = engine.CreateFrame(parent.get());
    Scene() {
        parent->SetPosition(root.get(), {10, 0, 0});
        EXPECT_TRUE(parent->SetOrientation(root.get(), {1, 0, 0}, {0, 1, 0}));
    }
};

TEST(Frame, PositionsAreSetAndReadRelativeToAnyReference) {
    Scene s;
    s.child->SetPosition(s.parent.get(), {0, 0, 5});  // five ahead of the parent: +x
    ExpectNear(s.child->GetPosition(nullptr), {15, 0, 0});
    ExpectNear(s.child->GetPosition(s.root.get()), {15, 0, 0});
    ExpectNear(s.child->GetPosition(s.parent.get()), {0, 0, 5});
    // The parent's right is -z of the world (right = up x front).
    s.child->SetPosition(s.parent.get(), {2, 0, 0});
    ExpectNear(s.child->GetPosition(nullptr), {10, 0, -2});

    // Relative to a frame that is neither parent nor root.
    auto other = s.engine.CreateFrame(s.root.get());
    other->SetPosition(nullptr, {0, 3, 0});
    s.child->SetPosition(other.get(), {1, 1, 1});
    ExpectNear(s.child->GetPosition(nullptr), {1, 4, 1});
    ExpectNear(s.child->GetPosition(other.get()), {1, 1, 1});

    // Moving the parent carries the child.
    s.parent->SetPosition(nullptr, {0, 0, 0});
    ExpectNear(s.child->GetPosition(s.parent.get()), {-1, 4, -9});
    ExpectNear(s.child->GetPosition(nullptr), {-9, 4, 1});
}

TEST(Frame, OrientationIsSquaredAndComposedThroughTheParents) {
    Scene s;
    // An up that leans toward the direction keeps only its square part.
    ASSERT_TRUE(s.child->SetOrientation(s.parent.get(), {0, 0, 2}, {0, 1, 1}));
    Orientation own = s.child->GetOrientation(s.parent.get());
    ExpectNear(own.direction, {0, 0, 1});
    ExpectNear(own.up, {0, 1, 0});
    // The parent faces +x, so the child does too in the world.
    Orientation world = s.child->GetOrientation(nullptr);
    ExpectNear(world.direction, {1, 0, 0});
    ExpectNear(world.up, {0, 1, 0});

    // Set relative to the root, read relative to the parent.
    ASSERT_TRUE(s.child->SetOrientation(s.root.get(), {0, -1, 0}, {0, 0, 1}));
    own = s.child->GetOrientation(s.parent.get());
    ExpectNear(own.direction, {0, -1, 0});
    ExpectNear(own.up, {-1, 0, 0});  // the world's +z is the parent's -x

    // A turn about the across axis, as a wheel turns.
    const float t = 0.3f;
    ASSERT_TRUE(s.child->SetOrientation(s.parent.get(), {0, std::cos(t), std::sin(t)},
                                        {0, std::cos(t - 1.57f), std::sin(t - 1.57f)}));
    own = s.child->GetOrientation(s.parent.get());
    EXPECT_NEAR(Length(own.up), 1, 1e-5);
    EXPECT_NEAR(Dot(own.direction, own.up), 0, 1e-5);
}

TEST(Frame, DegenerateOrientationsChangeNothing) {
    Scene s;
    ASSERT_TRUE(s.child->SetOrientation(nullptr, {0, 1, 0}, {1, 0, 0}));
    EXPECT_FALSE(s.child->SetOrientation(nullptr, {0, 0, 0}, {0, 1, 0}));
    EXPECT_FALSE(s.child->SetOrientation(nullptr, {0, 2, 0}, {0, -3, 0}));
    EXPECT_FALSE(s.child->SetOrientation(nullptr, {0, 0, 1}, {0, 0, 0}));
    Orientation o = s.child->GetOrientation(nullptr);
    ExpectNear(o.direction, {0, 1, 0});
    ExpectNear(o.up, {1, 0, 0});
}

TEST(Frame, OwnAxesTurnWhatSetOrientationAims) {
    Engine engine;
    auto root = engine.CreateFrame(nullptr);
    auto part = engine.CreateFrame(root.get());
    auto inside = engine.CreateFrame(part.get());
    inside->SetPosition(part.get(), {0, 0, 1});

    // A mirrored part: its front is its own -z.
    ASSERT_TRUE(part->SetAxes({0, 0, -1}, {0, 1, 0}));
    ExpectNear(inside->GetPosition(root.get()), {0, 0, 1});  // nothing moves yet
    ASSERT_TRUE(part->SetOrientation(root.get(), {0, 0, 1}, {0, 1, 0}));
    ExpectNear(part->GetOrientation(root.get()).direction, {0, 0, 1});
    ExpectNear(inside->GetPosition(root.get()), {0, 0, -1});  // stays turned round
    ExpectNear(part->GetWorldTransform().front, {0, 0, -1});

    EXPECT_FALSE(part->SetAxes({0, 0, 1}, {0, 0, 1}));
}

TEST(Frame, ChildrenVisualsAndLights) {
    Engine engine;
    auto root = engine.CreateFrame(nullptr);
    auto a = engine.CreateFrame(root.get());
    auto b = engine.CreateFrame(a.get());
    EXPECT_EQ(b->GetParent(), a.get());
    EXPECT_FALSE(b->AddChild(root));  // no cycles
    EXPECT_FALSE(a->AddChild(a));

    // Moving b to the root keeps its place relative to its parent.
    b->SetPosition(a.get(), {1, 2, 3});
    a->SetPosition(nullptr, {5, 0, 0});
    ASSERT_TRUE(root->AddChild(b));
    EXPECT_EQ(b->GetParent(), root.get());
    EXPECT_TRUE(a->GetChildren().empty());
    ExpectNear(b->GetPosition(nullptr), {1, 2, 3});

    root->DeleteChild(*b);
    EXPECT_EQ(b->GetParent(), nullptr);
    EXPECT_EQ(root->GetChildren().size(), 1u);

    // A frame that outlives its parent is left without one.
    auto c = engine.CreateFrame(a.get());
    root->DeleteChild(*a);
    a.reset();
    EXPECT_EQ(c->GetParent(), nullptr);

    // Children leave in any order, and the others keep their order.
    std::vector<std::shared_ptr<Frame>> many;
    for (int i = 0; i < 5; ++i)
        many.push_back(engine.CreateFrame(root.get()));
    root->DeleteChild(*many[4]);
    root->DeleteChild(*many[1]);
    ASSERT_EQ(root->GetChildren().size(), 3u);
    EXPECT_EQ(root->GetChildren()[0], many[0]);
    EXPECT_EQ(root->GetChildren()[1], many[2]);
    EXPECT_EQ(root->GetChildren()[2], many[3]);
    EXPECT_EQ(many[1]->GetParent(), nullptr);

    auto mesh = engine.CreateMeshBuilder();
    auto light = engine.CreateLightRGB(LightType::Ambient, 2, 0.5f, -1);
    root->AddVisual(mesh);
    root->AddLight(light);
    EXPECT_EQ(root->GetVisuals().size(), 1u);
    EXPECT_EQ(light->GetColor(), (Rgb{1, 0.5f, 0}));
    root->DeleteVisual(*mesh);
    root->DeleteLight(*light);
    EXPECT_TRUE(root->GetVisuals().empty());
    EXPECT_TRUE(root->GetLights().empty());

    EXPECT_EQ(root->GetSceneBackground(), 0xFF000000u);
    root->SetSceneBackgroundRGB(0.5f, 0.5f, 1.0f);
    EXPECT_EQ(root->GetSceneBackground(), 0xFF7F7FFFu);
}

}  // namespace
}  // namespace lumtrak::rm

#include "rm/device.h"

#include <gtest/gtest.h>

#include "rm/engine.h"

namespace lumtrak::rm {
namespace {

TEST(Device, ClearFillsWithTheCameraScenesBackgroundAndUpdatePublishes) {
    Engine engine;
    auto scene = engine.CreateFrame(nullptr);
    auto camera = engine.CreateFrame(scene.get());
    scene->SetSceneBackgroundRGB(0.5f, 0.5f, 1.0f);
    auto device = engine.CreateDevice(4, 3);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->GetQuality(), kRenderGouraud);
    auto viewport = engine.CreateViewport(device, camera, 1, 1, 3, 2);
    ASSERT_TRUE(viewport);
    EXPECT_EQ(viewport->GetFront(), 1.0f);
    EXPECT_EQ(viewport->GetField(), 0.5f);
    EXPECT_TRUE(viewport->SetBack(5000));
    EXPECT_FALSE(viewport->SetBack(0.5f));
    EXPECT_EQ(viewport->GetBack(), 5000);

    viewport->Clear();
    EXPECT_EQ(device->GetPicture()[5], 0xFF000000u);  // not yet published
    device->Update();
    const auto picture = device->GetPicture();
    ASSERT_EQ(picture.size(), 12u);
    EXPECT_EQ(picture[0], 0xFF000000u);  // outside the viewport
    EXPECT_EQ(picture[4], 0xFF000000u);
    EXPECT_EQ(picture[5], 0xFF7F7FFFu);
    EXPECT_EQ(picture[11], 0xFF7F7FFFu);
}

TEST(Device, RefusesSizesAndRectanglesItCannotHold) {
    Engine engine;
    auto camera = engine.CreateFrame(nullptr);
    EXPECT_FALSE(engine.CreateDevice(0, 10));
    EXPECT_FALSE(engine.CreateDevice(10, 20000));
    EXPECT_FALSE(engine.CreateDevice(16384, 16384));  // each side allowed, not the whole
    auto device = engine.CreateDevice(10, 10);
    EXPECT_FALSE(engine.CreateViewport(device, camera, 5, 0, 6, 10));
    EXPECT_FALSE(engine.CreateViewport(device, nullptr, 0, 0, 10, 10));
    EXPECT_FALSE(engine.CreateViewport(nullptr, camera, 0, 0, 10, 10));
    EXPECT_TRUE(device->SetShades(256));
    EXPECT_FALSE(device->SetShades(100));
    EXPECT_EQ(device->GetShades(), 256);
}

}  // namespace
}  // namespace lumtrak::rm

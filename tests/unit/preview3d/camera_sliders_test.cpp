#include "preview3d/camera_sliders.h"

#include <gtest/gtest.h>

#include "scene_test_support.h"

namespace lumtrak::preview3d::testing {
namespace {

class CameraSlidersTest : public ::testing::Test {
  protected:
    model::TextureRegistry textures;
    PreviewEngine engine{textures, 50};
};

TEST_F(CameraSlidersTest, SlidersAtTheMiddlePutTheCameraAtTheOriginLookingAlongZ) {
    ApplyCameraSliders(engine, {50, 50, 50, 50, 50});
    const ScenePoint position = engine.GetCameraPosition();
    EXPECT_NEAR(position.x, 0, 1e-9);
    EXPECT_NEAR(position.y, 0, 1e-9);
    EXPECT_NEAR(position.z, 0, 1e-9);
    const ScenePoint direction = engine.GetCameraDirection();
    ExpectNear({float(direction.x), float(direction.y), float(direction.z)}, {0, 0, 1});
}

TEST_F(CameraSlidersTest, PositionAndDirectionFollowTheSliders) {
    // x 80 -> 60, z 10 -> -80, v 20 -> height 30; yaw a quarter turn to +x,
    // pitch up a tenth of a half turn.
    ApplyCameraSliders(engine, {80, 10, 20, 75, 55});
    const ScenePoint position = engine.GetCameraPosition();
    EXPECT_NEAR(position.x, 60, 1e-4);
    EXPECT_NEAR(position.y, 30, 1e-4);
    EXPECT_NEAR(position.z, -80, 1e-4);
    const ScenePoint direction = engine.GetCameraDirection();
    const double pitch = 5 * 3.141 / 50;
    EXPECT_NEAR(direction.y / std::hypot(direction.x, direction.z), -std::sin(pitch), 1e-4);
    EXPECT_GT(direction.x, 0.9);
    EXPECT_NEAR(direction.z, 0, 1e-3);
}

TEST_F(CameraSlidersTest, ReadingTheSlidersBackGivesWhatSetTheCamera) {
    for (const CameraSliders sliders :
         {CameraSliders{50, 50, 50, 50, 50}, CameraSliders{0, 100, 100, 0, 25},
          CameraSliders{73, 21, 3, 88, 64}, CameraSliders{100, 0, 0, 27, 75}}) {
        ApplyCameraSliders(engine, sliders);
        EXPECT_EQ(SlidersFromCamera(engine), sliders)
            << sliders.x << " " << sliders.z << " " << sliders.v << " " << sliders.a << " "
            << sliders.e;
    }
}

TEST_F(CameraSlidersTest, APitchBeyondAQuarterTurnReadsBackAsItsMirror) {
    // Pitch -0.8 pi and -0.2 pi have the same sine, so the same direction.
    ApplyCameraSliders(engine, {50, 50, 50, 30, 10});
    EXPECT_EQ(SlidersFromCamera(engine), (CameraSliders{50, 50, 50, 30, 40}));
}

TEST_F(CameraSlidersTest, ACameraOutsideTheirReachPutsTheSlidersAtTheirEnds) {
    // The orbit camera of a new preview stands at about (249.9, 8, -7.3).
    engine.SetCameraPosition(249.9, 8 - 50, -7.3);
    engine.SetCameraOrientation(-249.9, -3, 7.3, 0, 1, 0);
    const CameraSliders sliders = SlidersFromCamera(engine);
    EXPECT_EQ(sliders.x, 100);
    EXPECT_EQ(sliders.z, 46);  // (-7.3 + 100) / 2 truncated
    EXPECT_EQ(sliders.v, 42);
    EXPECT_EQ(sliders.a, 25);  // looking along -x: a quarter turn back from +z
    EXPECT_EQ(sliders.e, 50);
}

}  // namespace
}  // namespace lumtrak::preview3d::testing

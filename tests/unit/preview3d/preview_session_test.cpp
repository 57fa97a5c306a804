#include "preview3d/preview_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "scene_test_support.h"

namespace lumtrak::preview3d::testing {
namespace {

class Session : public ::testing::Test {
  protected:
    void Open(std::string definition = "length 600\nfill -10 0 0 10 0 0 10 0 10 -10 0 10\n") {
        text = std::move(definition);
        session.FirstPaint(text, 0, 64, 48);
    }
    PreviewEngine& Engine() { return *session.Engine(); }

    model::TextureRegistry textures;
    platform::RecordingMessageSink messages;
    FakeTextRaster raster;
    SceneEnvironment environment{messages, textures, raster};
    PreviewSession session{environment, 50, ""};
    std::string text;
};

rm::Rgb Grey(float level) {
    return {level, level, level};
}

TEST_F(Session, ANewPreviewLooksFromTheOrbitCameraInWhiteLight) {
    Open();
    ExpectNear(
        rm::Vector{float(Engine().GetCameraPosition().x), float(Engine().GetCameraPosition().y),
                   float(Engine().GetCameraPosition().z)},
        {249.89f, 8, -7.30f}, 0.01f);
    const ScenePoint direction = Engine().GetCameraDirection();
    const rm::Vector expected = rm::Normalized({-249.89f, -3, 7.30f});
    ExpectNear({float(direction.x), float(direction.y), float(direction.z)}, expected, 1e-3f);
    EXPECT_EQ(Engine().AmbientLight().GetColor(), Grey(1));
    EXPECT_EQ(Engine().DirectionalLight().GetColor(), Grey(0));
    EXPECT_EQ(Engine().Scene().GetSceneBackground(), rm::ColourFromRGB(0.5f, 0.5f, 1.0f));
    EXPECT_EQ(session.LightLevel(), 2);
    EXPECT_EQ(Engine().DeviceWidth(), 64);
    // The light shines along (0, -0.5, 1).
    ExpectNear(Engine().LightFrame().GetOrientation(&Engine().Scene()).direction,
               rm::Normalized({0, -0.5f, 1}));
}

TEST_F(Session, SpotlightAndLightLevelsSetTheLightsWhicheverCameLast) {
    Open();
    session.ToggleSpotlight();
    EXPECT_EQ(Engine().AmbientLight().GetColor(), Grey(0.5f));
    EXPECT_EQ(Engine().DirectionalLight().GetColor(), Grey(1));

    session.SetLightLevel(0);
    EXPECT_EQ(Engine().AmbientLight().GetColor(), Grey(0.2f));
    EXPECT_EQ(Engine().DirectionalLight().GetColor(), Grey(0));
    EXPECT_EQ(Engine().Scene().GetSceneBackground(), rm::ColourFromRGB(0.1f, 0.1f, 0.2f));
    session.ToggleSpotlight();  // off: white ambient light, the background kept
    EXPECT_EQ(Engine().AmbientLight().GetColor(), Grey(1));
    EXPECT_EQ(Engine().Scene().GetSceneBackground(), rm::ColourFromRGB(0.1f, 0.1f, 0.2f));

    session.SetLightLevel(1);
    EXPECT_EQ(Engine().DirectionalLight().GetColor(), Grey(0.5f));
    EXPECT_EQ(Engine().Scene().GetSceneBackground(), rm::ColourFromRGB(0.2f, 0.2f, 0.5f));
    session.SetLightLevel(7);  // unknown: nothing changes
    EXPECT_EQ(Engine().DirectionalLight().GetColor(), Grey(0.5f));
}

TEST_F(Session, CabCamerasStandAtTheCabsAndLookAlongTheVehicle) {
    Open();
    session.ToggleCab1();
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Angle), 0);
    EXPECT_EQ(Engine().GetCameraPosition(), (ScenePoint{2.5, 58, -27}));
    ExpectNear({float(Engine().GetCameraDirection().x), float(Engine().GetCameraDirection().y),
                float(Engine().GetCameraDirection().z)},
               {0, 0, -1});
    session.ToggleCab2();
    EXPECT_FALSE(session.Cab1View());
    EXPECT_NEAR(Engine().GetCameraDirection().z, 1, 1e-6);

    // Off again: the orbit camera, with the bars as they stand.
    session.Scroll(ScrollBar::Angle, ScrollAction::LineForward);
    session.ToggleCab2();
    EXPECT_FALSE(session.Cab2View());
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Angle), 1);
    EXPECT_NEAR(Engine().GetCameraPosition().z, 250 * std::cos(0.1), 1e-3);
}

TEST_F(Session, ScrollBarsStepWithinTheirRanges) {
    Open();
    session.Scroll(ScrollBar::Height, ScrollAction::Finish);
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Height), 31);
    EXPECT_NEAR(Engine().GetCameraPosition().y, 1.9, 1e-4);
    session.Scroll(ScrollBar::Distance, ScrollAction::Start);  // -31, held at 0
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Distance), 0);
    EXPECT_NEAR(Engine().GetCameraPosition().x, 0, 1e-6);
    EXPECT_NEAR(Engine().GetCameraPosition().z, 0, 1e-6);
    session.Scroll(ScrollBar::Light, ScrollAction::LineForward);
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Light), 1);
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Angle), 16);
    session.Scroll(ScrollBar::Angle, ScrollAction::Thumb, 400);
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Angle), 40);
    session.Scroll(ScrollBar::Angle, ScrollAction::PageBack);
    EXPECT_EQ(session.ScrollPosition(ScrollBar::Angle), 30);
}

TEST_F(Session, ResetViewPutsTheBarsBackAndLeavesTheCab) {
    Open();
    const ScenePoint start = Engine().GetCameraPosition();
    for (const ScrollBar bar :
         {ScrollBar::Angle, ScrollBar::Height, ScrollBar::Distance, ScrollBar::Light}) {
        session.Scroll(bar, ScrollAction::PageForward);
    }
    session.ToggleCab1();
    session.ResetView();
    EXPECT_FALSE(session.Cab1View());
    EXPECT_FALSE(session.Cab2View());
    for (const ScrollBar bar :
         {ScrollBar::Angle, ScrollBar::Height, ScrollBar::Distance, ScrollBar::Light}) {
        EXPECT_EQ(session.ScrollPosition(bar), RangeOf(bar).start);
    }
    EXPECT_EQ(Engine().GetCameraPosition(), start);
    ExpectNear(Engine().LightFrame().GetOrientation(&Engine().Scene()).direction,
               rm::Normalized({0, -0.5f, 1}));
}

TEST_F(Session, WireframeSurvivesAResizeAndTheAnimationCanBeSteppedWhenStopped) {
    Open("wheel 0 0 0 1 0 w\n[end]\nname w\n[end]");
    session.ToggleWireframe();
    session.Resize(32, 16);
    ASSERT_NE(Engine().Device(), nullptr);
    EXPECT_EQ(Engine().Device()->GetQuality(), rm::kRenderWireframe);
    EXPECT_EQ(Engine().DeviceWidth(), 32);

    EXPECT_TRUE(session.TimerWanted());
    session.StopAnimation();
    EXPECT_FALSE(session.TimerWanted());
    session.StepAnimation();
    session.StepAnimation();
    EXPECT_EQ(session.Tick(), 2);
    // Reloads keep the tick and the animated flag.
    session.Refresh("fill 0 0 0 1 0 0 1 0 1 0 0 1", 0);
    EXPECT_EQ(session.Tick(), 2);
    EXPECT_TRUE(Engine().IsAnimated());
}

TEST_F(Session, TheCaretChoosesTheDefinitionAndTheDocumentFolderIsPublished) {
    PreviewSession other(environment, 50, DocumentFolderOf("/home/me/stock/loco.stk"));
    other.CreateEngine();
    const std::string definitions = "length 100\n[end]\nlength 200\n[end]";
    other.LoadScene(definitions, 20);
    EXPECT_EQ(other.TopPart()->length, 200);
    other.LoadScene(definitions, 5);
    EXPECT_EQ(other.TopPart()->length, 100);
    EXPECT_EQ(textures.DocumentFolder(), "/home/me/stock");

    EXPECT_EQ(DocumentFolderOf("/loco.stk"), "/loco.stk");
    EXPECT_EQ(DocumentFolderOf("./loco.stk"), ".");
    EXPECT_EQ(DocumentFolderOf("loco.stk"), "loco.stk");
    EXPECT_EQ(DocumentFolderOf(""), "");
}

TEST_F(Session, TypingIThenFCapturesThirtyOneFramesOfTheAnimation) {
    const auto captures = [&](std::string_view typed) {
        PreviewSession typing(environment, 50, "");
        int count = 0;
        for (const char c : typed)
            count += typing.TypeCharacter(c);
        return count;
    };
    EXPECT_EQ(captures("gif"), 1);
    EXPECT_EQ(captures("iff"), 2);
    EXPECT_EQ(captures("gf"), 0);
    EXPECT_EQ(captures("ifxf"), 1);

    ::lumtrak::testing::TempFolder folder;
    int grabbed = 0;
    const auto grab = [&] {
        ++grabbed;
        CaptureBitmap bitmap;
        bitmap.width = Engine().DeviceWidth();
        bitmap.height = Engine().DeviceHeight();
        bitmap.pixels.assign(Engine().Picture().begin(), Engine().Picture().end());
        return bitmap;
    };
    // No scene yet: nothing is written.
    session.CaptureAnimationFrames(grab, folder.Path().string());
    EXPECT_EQ(grabbed, 0);

    Open("wheel 0 0 0 -1 0 w\n[end]\nname w\nfill 0 0 0 1 0 0 1 0 1 0 0 1\n[end]");
    session.StepAnimation();
    session.CaptureAnimationFrames(grab, folder.Path().string());
    EXPECT_EQ(grabbed, 31);
    EXPECT_TRUE(std::filesystem::exists(folder / "Temp00.bmp"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Temp30.bmp"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Temp31.bmp"));
    EXPECT_EQ(::lumtrak::testing::ReadFileBytes(folder / "Temp30.bmp").size(),
              54u + (64u + 7u) / 8u * 48u * 32u);
    // The tick stays; the scene stays placed for tick 60.
    EXPECT_EQ(session.Tick(), 1);
    const ScenePart& wheel = *session.TopPart()->children.at(0);
    ExpectNear(wheel.frame->GetOrientation(session.TopPart()->frame.get()).direction,
               {0, float(std::cos(6.0)), float(std::sin(6.0))}, 1e-3f);
}

TEST_F(Session, TheEngineLoadsRegistryTexturesOnlyWhileItExists) {
    {
        PreviewEngine engine(textures, 50);
        EXPECT_NE(textures.Loader(), nullptr);
    }
    EXPECT_EQ(textures.Loader(), nullptr);
}

}  // namespace
}  // namespace lumtrak::preview3d::testing

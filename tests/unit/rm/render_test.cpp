// Rendered pixels: lighting, depth, clipping, texturing, transparency, wireframe.
#include <gtest/gtest.h>

#include "rm/engine.h"

namespace lumtrak::rm {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// A scene seen from a camera at the origin looking along +z. With the default
// field a point at (x, y, z) lands on pixel (32 + 64 x / z, 24 - 64 y / z).
class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        scene->SetSceneBackgroundRGB(0, 0, 0);
        viewport->SetBack(100);
        scene->AddVisual(mesh);
    }

    // A square facing the camera, its corners given as seen (left, bottom,
    // right, top), at distance z; clockwise as seen, so it faces the camera.
    std::shared_ptr<Face> Square(float left, float bottom, float right, float top, float z,
                                 Colour colour) {
        auto face = engine.CreateFace();
        face->AddVertex({left, bottom, z});
        face->AddVertex({left, top, z});
        face->AddVertex({right, top, z});
        face->AddVertex({right, bottom, z});
        face->SetColor(colour);
        mesh->AddFace(face);
        return face;
    }

    void Light(LightType type, float level, Vector direction = {0, 0, 1}) {
        auto frame = engine.CreateFrame(scene.get());
        frame->SetOrientation(scene.get(), direction, {0, 1, 0});
        frame->AddLight(engine.CreateLightRGB(type, level, level, level));
    }

    Colour Pixel(int x, int y) {
        viewport->Clear();
        viewport->Render(*scene);
        device->Update();
        return device->GetPicture()[std::size_t(y * kWidth + x)];
    }
    Colour Centre() { return Pixel(kWidth / 2, kHeight / 2); }

    Engine engine;
    std::shared_ptr<Frame> scene = engine.CreateFrame(nullptr);
    std::shared_ptr<Frame> camera = engine.CreateFrame(scene.get());
    std::shared_ptr<MeshBuilder> mesh = engine.CreateMeshBuilder();
    std::shared_ptr<Device> device = engine.CreateDevice(kWidth, kHeight);
    std::shared_ptr<Viewport> viewport =
        engine.CreateViewport(device, camera, 0, 0, kWidth, kHeight);
};

TEST_F(RenderTest, ColourUnderEachLightSetting) {
    auto face = Square(-1, -1, 1, 1, 10, 0xFFFF8040);
    EXPECT_EQ(Centre(), 0xFF000000u);  // no light at all

    Light(LightType::Ambient, 0.5f);
    EXPECT_EQ(Centre(), 0xFF804020u);

    Light(LightType::Directional, 0.5f);  // shines straight onto the face
    EXPECT_EQ(Centre(), 0xFFFF8040u);

    // At 60 degrees a directional light gives half; from behind, nothing.
    Light(LightType::Directional, 1.0f, {0, 1.7320508f, 1});
    EXPECT_EQ(Centre(), 0xFFFFC060u);
    Light(LightType::Directional, 1.0f, {0, 0, -1});
    EXPECT_EQ(Centre(), 0xFFFFC060u);

    // Emissive light adds to the lit colour and saturates.
    auto material = engine.CreateMaterial(10);
    face->SetMaterial(material);
    material->SetEmissive(0, 0, 255);
    EXPECT_EQ(Centre(), 0xFFFFC0FFu);

    // Without lighting in the quality the face shows its own colour.
    device->SetQuality(kFillSolid | kShadeGouraud);
    EXPECT_EQ(Centre(), 0xFFFF8040u);
}

TEST_F(RenderTest, SpecularHighlightsAreLitAtTheVerticesAndShadedBetween) {
    // A black face lit head-on: only its highlight shows. Its left edge lies
    // on the line of sight that reflects the light into the eye.
    auto face = Square(0, -3, 8, 3, 10, 0xFF000000);
    auto shiny = engine.CreateMaterial(20);
    shiny->SetSpecular(1, 1, 1);
    face->SetMaterial(shiny);
    Light(LightType::Directional, 1.0f);
    const Colour left = Pixel(33, 24);
    const Colour right = Pixel(60, 24);
    EXPECT_GE(RedOf(left), 190);
    EXPECT_LT(RedOf(right), RedOf(left) - 20);
    EXPECT_GT(RedOf(right), 0);
    EXPECT_EQ(left & 0xFFFFFF, RedOf(left) * 0x010101u);  // white light, white highlight

    device->SetQuality(kFillSolid | kLightingOn | kShadeFlat);
    EXPECT_EQ(Pixel(33, 24), Pixel(60, 24));
}

TEST_F(RenderTest, NearerFacesHideFartherOnesWhateverTheOrder) {
    Light(LightType::Ambient, 1);
    Square(-1, -1, 1, 1, 5, 0xFFFF0000);
    Square(-4, -4, 4, 4, 10, 0xFF00FF00);
    Square(-1, -1, 1, 1, 20, 0xFF0000FF);
    EXPECT_EQ(Centre(), 0xFFFF0000u);
    EXPECT_EQ(Pixel(32 + 20, 24), 0xFF00FF00u);  // only the green square is that wide
}

TEST_F(RenderTest, OfTwoFacesInOnePlaneTheLaterShows) {
    // A label laid on a body panel, and one over the whole panel, each listed
    // after the panel: the label shows wherever it covers the panel.
    Light(LightType::Ambient, 1);
    Square(-2, -2, 2, 2, 10, 0xFFFF0000);
    Square(-2, -2, 2, 2, 10, 0xFF00FF00);
    Square(-1, -0.5f, 1.5f, 1, 10, 0xFF0000FF);
    viewport->Clear();
    viewport->Render(*scene);
    device->Update();
    const auto picture = device->GetPicture();
    int blue = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Colour c = picture[std::size_t(y * kWidth + x)];
            // The label spans x / z from -0.1 to 0.15 and y / z from -0.05 to 0.1.
            const bool onLabel = x >= 26 && x < 42 && y >= 18 && y < 27;
            const bool onPanel = x >= 19 && x < 45 && y >= 11 && y < 37;
            if (onLabel) {
                EXPECT_EQ(c, 0xFF0000FFu) << x << "," << y;
                ++blue;
            } else if (onPanel) {
                EXPECT_EQ(c, 0xFF00FF00u) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(blue, 16 * 9);
}

TEST_F(RenderTest, FacesSeenFromBehindAreNotDrawn) {
    Light(LightType::Ambient, 1);
    auto face = engine.CreateFace();
    for (Vector v : {Vector{1, -1, 10}, Vector{1, 1, 10}, Vector{-1, 1, 10}, Vector{-1, -1, 10}}) {
        face->AddVertex(v);
    }
    mesh->AddFace(face);
    EXPECT_EQ(Centre(), 0xFF000000u);
}

TEST_F(RenderTest, ClipsAtTheFrontAndBackPlanesAndTheSides) {
    Light(LightType::Ambient, 1);
    // Reaching from behind the camera to beyond the back plane, across the
    // whole view: a floor under the camera.
    auto floor = engine.CreateFace();
    for (Vector v : {Vector{-500, -1, -50}, Vector{-500, -1, 500}, Vector{500, -1, 500},
                     Vector{500, -1, -50}}) {
        floor->AddVertex(v);
    }
    floor->SetColor(0xFF00FF00);
    mesh->AddFace(floor);
    // The floor at distance z shows on row 24 + 64 / z: nearer than the front
    // plane (z < 1) is below the picture, farther than the back plane (z > 100)
    // is within a pixel of the horizon.
    viewport->Clear();
    viewport->Render(*scene);
    device->Update();
    const auto picture = device->GetPicture();
    for (int x : {0, 31, 63}) {
        EXPECT_EQ(picture[std::size_t(47 * kWidth + x)], 0xFF00FF00u);  // z about 2.7
        EXPECT_EQ(picture[std::size_t(26 * kWidth + x)], 0xFF00FF00u);  // z about 25
        EXPECT_EQ(picture[std::size_t(24 * kWidth + x)], 0xFF000000u);  // z beyond 100
    }
    // Wholly behind the camera or beyond the back plane: nothing.
    mesh = engine.CreateMeshBuilder();
    scene->DeleteVisual(*scene->GetVisuals().front());
    scene->AddVisual(mesh);
    Square(-1, -1, 1, 1, -5, 0xFFFFFFFF);
    Square(-100, -100, 100, 100, 150, 0xFFFFFFFF);
    EXPECT_EQ(Centre(), 0xFF000000u);
}

TEST_F(RenderTest, TexturesArePerspectiveCorrect) {
    Light(LightType::Ambient, 1);
    auto image = std::make_shared<Image>(MakePalettisedImage(2, 1));
    image->indices = {1, 2};
    image->palette = {0x000000, 0xFF0000, 0x00FF00};
    // A wall from x / z = -0.4 at z = 2 to x / z = 0.4 at z = 18. The texture's
    // middle, the wall's middle (x / z = 0.32 at z = 10), is far right of the
    // picture's middle.
    auto face = engine.CreateFace();
    face->AddVertex({-0.8f, -0.4f, 2});
    face->AddVertex({-0.8f, 0.4f, 2});
    face->AddVertex({7.2f, 3.6f, 18});
    face->AddVertex({7.2f, -3.6f, 18});
    const TextureCoordinates uv[4] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    for (std::size_t i = 0; i < 4; ++i)
        face->SetTextureCoordinates(i, uv[i].u, uv[i].v);
    face->SetTexture(engine.CreateTexture(image));
    mesh->AddFace(face);
    EXPECT_EQ(Pixel(45, 24), 0xFFFF0000u);  // x / z = 0.2: still the left texel
    EXPECT_EQ(Pixel(55, 24), 0xFF00FF00u);

    // Painting the image changes what the texture shows.
    image->indices[0] = 2;
    EXPECT_EQ(Pixel(45, 24), 0xFF00FF00u);
}

TEST_F(RenderTest, ATexelIsLitByTheFaceColour) {
    auto image = std::make_shared<Image>(MakePalettisedImage(1, 1));
    image->indices = {0};
    image->palette = {0xFF8040};
    auto face = Square(-1, -1, 1, 1, 10, 0xFFFFFFFF);
    for (std::size_t i = 0; i < 4; ++i)
        face->SetTextureCoordinates(i, 0.5f, 0.5f);
    face->SetTexture(engine.CreateTexture(image));
    Light(LightType::Ambient, 0.5f);  // lit 128 of 255: each channel rounded
    EXPECT_EQ(Centre(), 0xFF804020u);
    Light(LightType::Ambient, 0.5f);  // fully lit: the texel itself
    EXPECT_EQ(Centre(), 0xFFFF8040u);
}

TEST_F(RenderTest, DecalTransparencyShowsWhatLiesBehindIndexZero) {
    Light(LightType::Ambient, 1);
    Square(-4, -4, 4, 4, 20, 0xFFFF0000);
    auto image = std::make_shared<Image>(MakePalettisedImage(2, 1));
    image->indices = {0, 1};
    image->palette = {0x0000FF, 0xFFFFFF};
    auto texture = engine.CreateTexture(image);
    auto face = Square(-1, -1, 1, 1, 10, 0xFFFFFFFF);
    const TextureCoordinates uv[4] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    for (std::size_t i = 0; i < 4; ++i)
        face->SetTextureCoordinates(i, uv[i].u, uv[i].v);
    face->SetTexture(texture);
    EXPECT_EQ(Pixel(28, 24), 0xFF0000FFu);
    EXPECT_EQ(Pixel(36, 24), 0xFFFFFFFFu);
    texture->SetDecalTransparency(true);
    EXPECT_EQ(Pixel(28, 24), 0xFFFF0000u);
    EXPECT_EQ(Pixel(36, 24), 0xFFFFFFFFu);
}

TEST_F(RenderTest, TranslucentFacesBlendFromBackToFront) {
    Light(LightType::Ambient, 1);
    // Listed nearest first; drawn farthest first.
    Square(-1, -1, 1, 1, 5, 0x80FF0000);
    Square(-1, -1, 1, 1, 8, 0x800000FF);
    EXPECT_EQ(Centre(), 0xFF800040u);
    // An opaque face in front hides them; one behind shows through them.
    Square(-2, -2, 2, 2, 12, 0xFF00FF00);
    // Each layer rounds: green 255 under two halves is 127, then 63.
    EXPECT_EQ(Pixel(32, 24), 0xFF803F40u);
    Square(-0.2f, -0.2f, 0.2f, 0.2f, 3, 0xFFFFFFFF);
    EXPECT_EQ(Centre(), 0xFFFFFFFFu);
}

TEST_F(RenderTest, NeighbouringTrianglesCoverEachPixelOnce) {
    // Two translucent faces sharing an edge, each drawn as a fan of two
    // triangles: a pixel drawn twice would be blended twice, a gap left black.
    Light(LightType::Ambient, 1);
    Square(-1.3f, -1.1f, 0.17f, 0.9f, 5, 0x80FF0000);
    Square(0.17f, -1.1f, 1.4f, 0.9f, 5, 0x80FF0000);
    viewport->Clear();
    viewport->Render(*scene);
    device->Update();
    const auto picture = device->GetPicture();
    int drawn = 0;
    for (const Colour c : picture) {
        if (c == 0xFF000000u) continue;
        ++drawn;
        ASSERT_EQ(c, picture[24 * kWidth + 32]);
    }
    // 0.17 + 1.3 + 1.23 = 2.7 wide and 2 high at z = 5: 34.56 by 25.6 pixels.
    EXPECT_NEAR(drawn, 34.56 * 25.6, 40);
}

TEST_F(RenderTest, WireframeDrawsTheEdgesOnly) {
    Light(LightType::Ambient, 0.2f);
    Square(-2, -2, 2, 2, 10, 0xFF00FF00);
    device->SetQuality(kRenderWireframe);
    EXPECT_EQ(Centre(), 0xFF000000u);
    // The left edge: x / z = -0.2, pixel column 19; unlit.
    EXPECT_EQ(Pixel(19, 24), 0xFF00FF00u);
}

TEST_F(RenderTest, FacesFollowTheirFramesAndTheCamera) {
    Light(LightType::Ambient, 1);
    auto part = engine.CreateFrame(scene.get());
    auto partMesh = engine.CreateMeshBuilder();
    part->AddVisual(partMesh);
    auto face = engine.CreateFace();
    for (Vector v : {Vector{-1, -1, 0}, Vector{-1, 1, 0}, Vector{1, 1, 0}, Vector{1, -1, 0}}) {
        face->AddVertex(v);
    }
    face->SetColor(0xFFFFFF00);
    partMesh->AddFace(face);
    // The part stands at z = 10 facing the camera; turned round, its face looks away.
    part->SetPosition(scene.get(), {0, 0, 10});
    EXPECT_EQ(Centre(), 0xFFFFFF00u);
    part->SetOrientation(scene.get(), {0, 0, -1}, {0, 1, 0});
    EXPECT_EQ(Centre(), 0xFF000000u);
    // The camera walks round behind it and looks back.
    camera->SetPosition(scene.get(), {0, 0, 20});
    camera->SetOrientation(scene.get(), {0, 0, -1}, {0, 1, 0});
    EXPECT_EQ(Centre(), 0xFFFFFF00u);
}

}  // namespace
}  // namespace lumtrak::rm

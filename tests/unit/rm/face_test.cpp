#include "rm/face.h"

#include <gtest/gtest.h>

#include "rm/engine.h"

namespace lumtrak::rm {
namespace {

TEST(Face, NormalPointsToTheSideFromWhichTheVerticesRunClockwise) {
    Face face;
    // Seen from -z (y up, x right) these run clockwise.
    face.AddVertex({0, 0, 0});
    face.AddVertex({0, 1, 0});
    face.AddVertex({1, 1, 0});
    face.AddVertex({1, 0, 0});
    EXPECT_EQ(face.GetNormal(), (Vector{0, 0, -1}));
    ASSERT_EQ(face.GetVertexCount(), 4u);
    EXPECT_EQ(face.GetVertices()[2], (Vector{1, 1, 0}));

    // A quad whose first three corners lie on a line still has its normal.
    Face bent;
    for (Vector v : {Vector{0, 0, 0}, Vector{0, 0, 1}, Vector{0, 0, 2}, Vector{0, 5, 1}}) {
        bent.AddVertex(v);
    }
    EXPECT_EQ(bent.GetNormal(), (Vector{-1, 0, 0}));

    Face line;
    line.AddVertex({0, 0, 0});
    line.AddVertex({1, 1, 1});
    EXPECT_EQ(line.GetNormal(), (Vector{}));
}

TEST(Face, ColourAsRgbAndAsOneValue) {
    Face face;
    EXPECT_EQ(face.GetColor(), 0xFFFFFFFFu);
    face.SetColorRGB(255.0f / 256, 128.0f / 256, 0);  // truncated, not rounded
    EXPECT_EQ(face.GetColor(), 0xFFFE7F00u);
    face.SetColorRGB(255, -1, 1);  // clamped
    EXPECT_EQ(face.GetColor(), 0xFFFF00FFu);
    face.SetColor((face.GetColor() & 0x00FFFFFF) | 0x20000000);
    EXPECT_EQ(face.GetColor(), 0x20FF00FFu);
}

TEST(Face, MaterialIsSharedAndTextureCoordinatesArePerVertex) {
    Engine engine;
    auto glass = engine.CreateMaterial(1.0f);
    auto a = engine.CreateFace();
    auto b = engine.CreateFace();
    a->SetMaterial(glass);
    b->SetMaterial(glass);
    glass->SetEmissive(1, 0, 0);
    EXPECT_EQ(b->GetMaterial()->GetEmissive(), (Rgb{1, 0, 0}));

    a->AddVertex({0, 0, 0});
    a->AddVertex({1, 0, 0});
    EXPECT_TRUE(a->SetTextureCoordinates(1, 0.25f, 1));
    EXPECT_FALSE(a->SetTextureCoordinates(2, 1, 1));
    EXPECT_EQ(a->GetTextureCoordinates(1), (TextureCoordinates{0.25f, 1}));
    EXPECT_EQ(a->GetTextureCoordinates(0), (TextureCoordinates{0, 0}));
    EXPECT_EQ(a->GetTextureCoordinates(7), (TextureCoordinates{0, 0}));

    auto mesh = engine.CreateMeshBuilder();
    mesh->AddFace(a);
    mesh->AddFace(nullptr);
    EXPECT_EQ(mesh->GetFaceCount(), 1u);
}

}  // namespace
}  // namespace lumtrak::rm

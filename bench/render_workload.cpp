#include "bench/render_workload.h"

#include <cmath>

namespace lumtrak::bench {
namespace {

constexpr int kTextureSize = 64;
constexpr int kBoxesPerMesh = 500;

std::shared_ptr<rm::Image> CheckerImage() {
    auto image = std::make_shared<rm::Image>(rm::MakePalettisedImage(kTextureSize, kTextureSize));
    for (int i = 0; i < 256; ++i) {
        const auto v = rm::Colour(i);
        image->palette.push_back(v << 16 | (255 - v) << 8 | (v * 7 & 0xFF));
    }
    for (int y = 0; y < kTextureSize; ++y) {
        for (int x = 0; x < kTextureSize; ++x) {
            const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
            image->indices[std::size_t(y * kTextureSize + x)] =
                std::uint8_t(dark ? 40 + x : 200 - y);
        }
    }
    return image;
}

// One face of a box: the corners of the side whose outward normal is ±axis,
// in the order that shows it from outside.
void AddSide(RenderWorkload& w, rm::MeshBuilder& mesh, const std::shared_ptr<rm::Texture>& texture,
             rm::Vector centre, rm::Vector half, int axis, float sign) {
    const int a = (axis + 1) % 3;
    const int b = (axis + 2) % 3;
    auto corner = [&](float sa, float sb) {
        float c[3] = {centre.x, centre.y, centre.z};
        const float h[3] = {half.x, half.y, half.z};
        c[axis] += sign * h[axis];
        c[a] += sa * h[a];
        c[b] += sb * h[b];
        return rm::Vector{c[0], c[1], c[2]};
    };
    rm::Vector corners[4] = {corner(-1, -1), corner(-1, 1), corner(1, 1), corner(1, -1)};
    rm::Vector outward;
    (axis == 0 ? outward.x : axis == 1 ? outward.y : outward.z) = sign;
    auto face = w.engine.CreateFace();
    for (const rm::Vector& c : corners)
        face->AddVertex(c);
    if (rm::Dot(face->GetNormal(), outward) < 0) {
        face = w.engine.CreateFace();
        for (int i = 3; i >= 0; --i)
            face->AddVertex(corners[i]);
    }
    const rm::TextureCoordinates uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (std::size_t i = 0; i < 4; ++i)
        face->SetTextureCoordinates(i, uv[i].u, uv[i].v);
    face->SetTexture(texture);
    face->SetTextureTopology(false, false);
    face->SetColorRGB(1, 1, 1);
    mesh.AddFace(face);

    const auto v = face->GetVertices();
    for (std::size_t i : {std::size_t(1), std::size_t(2)}) {
        RenderWorkload::Triangle t;
        t.position[0] = v[0];
        t.position[1] = v[i];
        t.position[2] = v[i + 1];
        t.coordinates[0] = uv[0];
        t.coordinates[1] = uv[i];
        t.coordinates[2] = uv[i + 1];
        t.normal = face->GetNormal();
        w.triangles.push_back(t);
    }
}

}  // namespace

std::unique_ptr<RenderWorkload> MakeRenderWorkload(int faces, int width, int height) {
    auto w = std::make_unique<RenderWorkload>();
    w->scene = w->engine.CreateFrame(nullptr);
    w->scene->SetSceneBackgroundRGB(0.5f, 0.5f, 1.0f);
    w->camera = w->engine.CreateFrame(w->scene.get());
    w->lightFrame = w->engine.CreateFrame(w->scene.get());
    w->scene->AddLight(
        w->engine.CreateLightRGB(rm::LightType::Ambient, w->ambient, w->ambient, w->ambient));
    w->lightFrame->AddLight(w->engine.CreateLightRGB(rm::LightType::Directional, 1, 1, 1));
    w->lightFrame->SetOrientation(w->scene.get(), {0.5f, -0.5f, 0.5f}, {0, 0.5f, 0.5f});

    w->image = CheckerImage();
    auto texture = w->engine.CreateTexture(w->image);
    const int boxes = (faces + 5) / 6;
    const int perRow = int(std::ceil(std::sqrt(double(boxes))));
    const float spacing = 3.0f;
    std::shared_ptr<rm::MeshBuilder> mesh;
    for (int i = 0; i < boxes; ++i) {
        if (i % kBoxesPerMesh == 0) {
            mesh = w->engine.CreateMeshBuilder();
            w->engine.CreateFrame(w->scene.get())->AddVisual(mesh);
        }
        const rm::Vector centre{(float(i % perRow) - float(perRow) / 2) * spacing, 1.0f,
                                (float(i / perRow) - float(perRow) / 2) * spacing};
        const rm::Vector half{1.0f, 1.0f + float(i % 3) * 0.5f, 1.2f};
        for (int axis = 0; axis < 3; ++axis) {
            for (float sign : {-1.0f, 1.0f})
                AddSide(*w, *mesh, texture, centre, half, axis, sign);
        }
    }

    const float reach = float(perRow) * spacing / 2;
    w->camera->SetPosition(w->scene.get(), {0, reach * 0.6f, -reach * 1.6f});
    w->camera->SetOrientation(w->scene.get(), {0, -reach * 0.6f, reach * 1.6f}, {0, 1, 0});
    w->device = w->engine.CreateDevice(width, height);
    w->device->SetQuality(rm::kRenderGouraud);
    w->viewport = w->engine.CreateViewport(w->device, w->camera, 0, 0, width, height);
    w->viewport->SetBack(5000);
    return w;
}

}  // namespace lumtrak::bench

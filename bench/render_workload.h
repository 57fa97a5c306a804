#pragma once

#include <memory>
#include <vector>

#include "rm/engine.h"

namespace lumtrak::bench {

// A lit, textured scene of boxes standing in rows, seen from above and in
// front, ready to render into a device of the given size.
struct RenderWorkload {
    rm::Engine engine;
    std::shared_ptr<rm::Frame> scene;
    std::shared_ptr<rm::Frame> camera;
    std::shared_ptr<rm::Frame> lightFrame;
    std::shared_ptr<rm::Device> device;
    std::shared_ptr<rm::Viewport> viewport;
    std::shared_ptr<rm::Image> image;
    float ambient = 0.5f;

    // The same faces as world-space triangles, for another renderer.
    struct Triangle {
        rm::Vector position[3];
        rm::TextureCoordinates coordinates[3];
        rm::Vector normal;
    };
    std::vector<Triangle> triangles;
};

// faces is rounded up to whole boxes of six faces.
std::unique_ptr<RenderWorkload> MakeRenderWorkload(int faces, int width, int height);

}  // namespace lumtrak::bench

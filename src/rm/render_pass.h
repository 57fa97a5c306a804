#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "rm/colour.h"
#include "rm/device.h"
#include "rm/frame.h"
#include "rm/geometry.h"

namespace lumtrak::rm {

class WorkerPool;

// Memory that a device's renders reuse from frame to frame, so that drawing
// allocates nothing once the scene's size is known.
using RenderScratchPointer = std::unique_ptr<RenderScratch, RenderScratchDeleter>;
RenderScratchPointer MakeRenderScratch();

// One view of a scene onto a rectangle of a device's picture.
struct RenderView {
    Transform camera;  // the camera frame in world coordinates
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    float front = 1;
    float back = 100;
    float field = 0.5f;
    std::uint32_t quality = 0;
    // The device's picture and depth buffer, pictureWidth pixels a row.
    std::span<Colour> picture;
    std::span<float> depth;
    int pictureWidth = 0;
};

// Draws the scene frame's tree into the view: the rasterizer's one entry point.
void RenderScene(const Frame& scene, const RenderView& view, RenderScratch& scratch,
                 WorkerPool& workers);

}  // namespace lumtrak::rm

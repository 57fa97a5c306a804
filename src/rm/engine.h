#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "rm/device.h"
#include "rm/face.h"
#include "rm/frame.h"
#include "rm/image.h"
#include "rm/light.h"
#include "rm/material.h"
#include "rm/mesh_builder.h"
#include "rm/texture.h"
#include "rm/viewport.h"

namespace lumtrak::rm {

// The retained-mode engine: makes the objects of a scene and the devices and
// viewports that draw it. The engine holds the threads that share the drawing.
class Engine {
  public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // A frame with the given parent, or without one (a scene's root) for null.
    std::shared_ptr<Frame> CreateFrame(Frame* parent);
    std::shared_ptr<MeshBuilder> CreateMeshBuilder();
    std::shared_ptr<Face> CreateFace();
    std::shared_ptr<Material> CreateMaterial(float power);
    std::shared_ptr<Light> CreateLightRGB(LightType type, float red, float green, float blue);

    // A texture of the BMP file whose bytes are given, or none when they are no BMP.
    std::shared_ptr<Texture> LoadTexture(std::span<const std::uint8_t> fileBytes);
    // A texture drawing that image, sharing its memory; none for an incomplete image.
    std::shared_ptr<Texture> CreateTexture(std::shared_ptr<Image> image);

    // None for a size below 1 or beyond 16384 pixels either way or 2^25 in all,
    // or when the memory for it cannot be had.
    std::shared_ptr<Device> CreateDevice(int width, int height);
    // None without a device or a camera, or for a rectangle not inside the device.
    std::shared_ptr<Viewport> CreateViewport(std::shared_ptr<Device> device,
                                             std::shared_ptr<Frame> camera, int x, int y, int width,
                                             int height);

  private:
    std::shared_ptr<WorkerPool> workers_;
};

}  // namespace lumtrak::rm

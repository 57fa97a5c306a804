#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "rm/colour.h"

namespace lumtrak::rm {

class WorkerPool;
struct RenderScratch;
struct RenderScratchDeleter {
    void operator()(RenderScratch* scratch) const;
};

// Render quality: how faces are filled, whether they are lit, how shading is
// interpolated (the bits of the retained-mode quality word).
inline constexpr std::uint32_t kFillMask = 0xC0;
inline constexpr std::uint32_t kFillWireframe = 0x40;
inline constexpr std::uint32_t kFillSolid = 0x80;
inline constexpr std::uint32_t kLightingOn = 0x08;
inline constexpr std::uint32_t kShadeMask = 0x07;
inline constexpr std::uint32_t kShadeFlat = 0x00;
inline constexpr std::uint32_t kShadeGouraud = 0x01;
inline constexpr std::uint32_t kRenderWireframe = kFillWireframe;                          // 0x40
inline constexpr std::uint32_t kRenderGouraud = kFillSolid | kLightingOn | kShadeGouraud;  // 0x89

// What the viewports draw into: a true-colour picture of a width and height
// with its depth buffer. Drawing goes to a working picture; Update publishes it.
class Device {
  public:
    Device(int width, int height, std::shared_ptr<WorkerPool> workers);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

    // Gouraud at the start. Any fill other than solid draws the faces' edges.
    void SetQuality(std::uint32_t quality) { quality_ = quality; }
    std::uint32_t GetQuality() const { return quality_; }

    // The number of colour shades the caller asks for: a power of two from 1 to
    // 256 (false otherwise). The picture is true colour whatever it is.
    bool SetShades(int shades);
    int GetShades() const { return shades_; }

    // Makes what has been drawn so far the published picture.
    void Update();
    // The picture as of the last Update: rows top first, 0xFFRRGGBB per pixel.
    std::span<const Colour> GetPicture() const { return published_; }

  private:
    friend class Viewport;
    int width_;
    int height_;
    std::uint32_t quality_ = kRenderGouraud;
    int shades_ = 32;
    std::vector<Colour> picture_;    // being drawn
    std::vector<float> depth_;       // 1 / distance; 0 is infinitely far
    std::vector<Colour> published_;  // as of the last Update
    std::shared_ptr<WorkerPool> workers_;
    std::unique_ptr<RenderScratch, RenderScratchDeleter> scratch_;
};

}  // namespace lumtrak::rm

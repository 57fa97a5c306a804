#pragma once

#include <memory>
#include <string>

#include "bench/render_workload.h"

namespace lumtrak::bench {

// The workload's triangles drawn by Mesa's software rasterizer through an
// off-screen context: the same camera, projection, lights, texture and size.
class OsMesaRenderer {
  public:
    // Nothing when no context can be made.
    static std::unique_ptr<OsMesaRenderer> Make(const RenderWorkload& workload, int width,
                                                int height);
    ~OsMesaRenderer();

    void RenderFrame();
    std::string RendererName() const;

  private:
    OsMesaRenderer() = default;
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace lumtrak::bench

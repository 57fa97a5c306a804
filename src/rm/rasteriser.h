#pragma once

#include "rm/render_lists.h"
#include "rm/render_pass.h"

namespace lumtrak::rm {

// Draws filed triangles and edges into one band of a view's rows: the pixels
// whose centres a triangle covers, nearer than what the depth buffer holds,
// with perspective-correct texture coordinates and Gouraud-interpolated
// colours; translucent triangles blend without writing depth.
class TriangleRaster {
  public:
    TriangleRaster(const RenderView& view, int bandTop, int bandBottom)
        : view_(view), top_(bandTop), bottom_(bandBottom) {}

    void Draw(const Triangle& t) const;
    void DrawLine(const Line& line) const;

  private:
    struct Gradients;
    struct TexelSource;

    template <bool kTextured, bool kShaded, bool kBlended>
    void Spans(const Triangle& t, const Gradients& g, const TexelSource* texels) const;

    const RenderView& view_;
    int top_;
    int bottom_;
};

}  // namespace lumtrak::rm

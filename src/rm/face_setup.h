#pragma once

#include <cstdint>
#include <vector>

#include "rm/face.h"
#include "rm/frame.h"
#include "rm/render_lists.h"
#include "rm/render_pass.h"

namespace lumtrak::rm {

// Turns faces into filed triangles: carries their vertices into camera space,
// lights them, drops the faces turned away, clips them to the view, projects
// them and files the resulting triangles (or, in wireframe, edges) under the
// bands of rows they touch. Workers share one and call SetUp with their own
// lists.
class FaceSetup {
  public:
    FaceSetup(const RenderView& view, const std::vector<DirectionalLight>& lights, Rgb ambient);

    void SetUp(const Face& face, const Transform& toCamera, std::uint64_t sequence,
               WorkerLists& out) const;

  private:
    float Plane(int plane, Vector p) const;
    unsigned Outcode(Vector p) const;
    void LightVertices(const Face& face, Vector normal, std::size_t count, WorkerLists& out) const;
    void EmitTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c,
                      unsigned clipPlanes, const Triangle& base, WorkerLists& out) const;
    bool Project(const ClipVertex& c, ScreenVertex& s) const;
    void Keep(const Triangle& triangle, WorkerLists& out) const;
    void File(std::vector<std::vector<std::uint32_t>>& bins, float top, float bottom,
              std::uint32_t index) const;
    void EmitEdge(ClipVertex a, ClipVertex b, Colour colour, WorkerLists& out) const;

    const RenderView& view_;
    const std::vector<DirectionalLight>& lights_;
    Rgb ambient_;
    float scale_;
    float centreX_;
    float centreY_;
    float slopeX_;
    float slopeY_;
    bool wireframe_;
    bool lit_;
    bool flat_;
    int bands_;
};

}  // namespace lumtrak::rm

#pragma once

#include <memory>
#include <vector>

#include "rm/colour.h"
#include "rm/geometry.h"
#include "rm/light.h"
#include "rm/mesh_builder.h"

namespace lumtrak::rm {

struct Orientation {
    Vector direction;  // where the frame's front points
    Vector up;         // where the frame's up points
};

// A node of the scene graph: a coordinate system placed in its parent's (a frame
// without a parent is placed in the world), carrying visuals, lights and child
// frames. Coordinates are left-handed with y up: a frame looks along its front,
// the +z axis, with its up, the +y axis, above it and +x to its right.
//
// Positions and orientations are set and read relative to any reference frame;
// a null reference means the world.
class Frame {
  public:
    Frame() = default;
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    void SetPosition(const Frame* reference, Vector position);
    Vector GetPosition(const Frame* reference) const;

    // Turns the frame so that its front points along direction and its up as
    // near to up as lies square to the direction. Keeps the orientation and
    // gives false when direction is zero or up has no part square to it.
    bool SetOrientation(const Frame* reference, Vector direction, Vector up);
    Orientation GetOrientation(const Frame* reference) const;

    // Which of the frame's own directions count as its front and its up for
    // SetOrientation and GetOrientation; (0, 0, 1) and (0, 1, 0) at the start.
    // Changes nothing of where the frame stands now. False, and nothing set, for
    // a degenerate pair.
    bool SetAxes(Vector front, Vector up);

    // The frame in world coordinates.
    Transform GetWorldTransform() const;

    // Child frames. A frame has at most one parent: adding it here takes it from
    // its old parent, keeping its place relative to its parent. A frame cannot
    // become a child of itself or of one of its descendants (false).
    bool AddChild(std::shared_ptr<Frame> child);
    void DeleteChild(const Frame& child);  // the child becomes a frame without parent
    Frame* GetParent() const { return parent_; }
    const std::vector<std::shared_ptr<Frame>>& GetChildren() const { return children_; }

    void AddVisual(std::shared_ptr<MeshBuilder> visual);
    void DeleteVisual(const MeshBuilder& visual);
    const std::vector<std::shared_ptr<MeshBuilder>>& GetVisuals() const { return visuals_; }

    void AddLight(std::shared_ptr<Light> light);
    void DeleteLight(const Light& light);
    const std::vector<std::shared_ptr<Light>>& GetLights() const { return lights_; }

    // The colour a viewport clears to when this frame is the root of its camera's
    // scene; black at the start.
    void SetSceneBackgroundRGB(float red, float green, float blue);
    Colour GetSceneBackground() const { return background_; }

  private:
    Frame* parent_ = nullptr;
    Transform local_;  // in the parent's coordinates, or the world's
    Transform axes_;   // the front and up of SetAxes, in the frame's own coordinates
    std::vector<std::shared_ptr<Frame>> children_;
    std::vector<std::shared_ptr<MeshBuilder>> visuals_;
    std::vector<std::shared_ptr<Light>> lights_;
    Colour background_ = 0xFF000000;
};

}  // namespace lumtrak::rm

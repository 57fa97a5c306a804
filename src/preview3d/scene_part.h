#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "preview3d/preview_engine.h"
#include "rm/frame.h"
#include "rm/mesh_builder.h"

namespace lumtrak::preview3d {

// How a part moves in the animation: still, turning as a wheel, one of the
// three kinds of moving parts, or only placed (an unknown kind).
enum class Motion { Still, Wheel, Motion1, Motion2, Motion3, PositionOnly };

// One node of the scene tree: a definition's faces in one mesh builder and the
// frame that carries them, with what included it placed and moving as children.
// Every part's frame is a child of the scene frame; the tree's nesting exists
// only in how the parts are placed (UpdatePart).
struct ScenePart {
    ScenePart(PreviewEngine& engine, std::string name);
    // Takes the part's frame out of the scene and its faces off the frame,
    // after its children.
    ~ScenePart();
    ScenePart(const ScenePart&) = delete;
    ScenePart& operator=(const ScenePart&) = delete;

    PreviewEngine& engine;
    std::shared_ptr<rm::MeshBuilder> meshBuilder;  // made with the first face
    std::shared_ptr<rm::Frame> frame;              // made by FinishPart
    std::string name;                              // as included; empty for the top part
    ScenePoint offset;                             // in the parent, scene axes
    bool mirrored = false;
    // 0 for a still part; for a wheel, its sign gives the sense of turning.
    std::int32_t motionParameter = 0;
    // 1 to 3 for "motion1" to "motion3", or a wheel's phase in degrees.
    std::int32_t motionKind = 0;
    // Definition axes (across, along, height), file units over the unit divisor.
    std::array<double, 3> cab1{};
    std::array<double, 3> cab2{};
    std::int32_t length = 0;
    std::array<double, 3> extras{};
    // In the order they were included; the list order of the tree, newest
    // first, is this order reversed.
    std::vector<std::unique_ptr<ScenePart>> children;
    ScenePart* root = this;
    std::string labelText = "NUMBER";

    Motion MotionOf() const;
};

}  // namespace lumtrak::preview3d

#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/definition_text.h"
#include "model/materials.h"
#include "model/panel.h"
#include "preview3d/scene_environment.h"
#include "preview3d/scene_part.h"
#include "rm/face.h"

// Turning definition text into a tree of scene parts.
namespace lumtrak::preview3d {

// Whether a statement word of the scene begins at pos (any case).
bool IsSceneStatementAt(const model::DefinitionText& text, model::Cursor pos);

// Builds the scene of the definition that starts at start in source into the
// top part: a new build, whose include budget, include chain and opened files
// start afresh.
void BuildScene(ScenePart& top, SceneSource& source, model::Cursor start,
                SceneEnvironment& environment);

// Reads statements from start up to end (or the first "[end]") into part,
// with child parts for what it includes, and finishes the part.
void BuildPart(ScenePart& part, SceneSource& source, model::Cursor start, model::Cursor end,
               SceneEnvironment& environment);

// Where and how an included part sits: x, y and z in scene units but
// definition axes (across, along, height); the motion of a moving part.
struct Inclusion {
    double x = 0;
    double y = 0;
    double z = 0;
    std::int32_t motionParameter = 0;
    std::int32_t motionKind = 0;
    std::array<double, 3> extras{};
};

// Finds the definition called name (a leading '!' turns it round), first in
// source and then through the "Stock Index", and builds it as a new child of
// parent, at the head of parent's list. Nothing when it is not found, when it
// is already being built further up the include chain, when includes nest too
// deep, or when the build's budget is spent.
void IncludePart(ScenePart& parent, std::string_view name, const Inclusion& at, SceneSource& source,
                 SceneEnvironment& environment);

// Gives a part that has faces or children its frame in the scene, with the
// faces as its visual. The top part, which finishes last, then places the
// whole tree.
void FinishPart(ScenePart& part);

// Adds the face to the part's faces with the material of the code; the
// glasses make its colour see-through.
void AddPartFace(ScenePart& part, std::shared_ptr<rm::Face> face, model::MaterialCode code);

// The faces of a fill panel read for part: one, turned round when it faces
// back toward the part's centre, or two for a double-sided panel; textured
// from the registry, with label text painted into '#' textures.
void AddFillFaces(ScenePart& part, const model::Panel& panel, SceneEnvironment& environment);

}  // namespace lumtrak::preview3d

#pragma once

#include "cli/json_writer.h"
#include "model/texture_registry.h"
#include "preview3d/preview_engine.h"
#include "preview3d/scene_part.h"

namespace lumtrak::cli {

// A scene part with its faces and children, as the "scene" command prints it.
void WriteScenePart(JsonWriter& json, const preview3d::ScenePart& part,
                    const preview3d::PreviewEngine& engine, const model::TextureRegistry& textures);

}  // namespace lumtrak::cli

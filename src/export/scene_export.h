#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/export_format.h"
#include "export/output_files.h"
#include "model/definition_text.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "preview3d/preview_engine.h"
#include "preview3d/scene_environment.h"
#include "preview3d/scene_part.h"

// Exporting the 3D scene of a definition for other 3D tools.
namespace lumtrak::exporter {

struct ExportRequest {
    ExportFormat format = ExportFormat::Glb;
    std::string out;   // the main file; the others are written beside it
    std::string name;  // the definition's name, which the top part takes
};

struct ExportCounts {
    std::size_t parts = 0;
    std::size_t faces = 0;
    std::size_t textures = 0;
};

struct ExportResult {
    ExportCounts counts;
    std::vector<OutputFile> files;  // the main file first
    std::string failure;            // why there are no files, if there are none
};

// The files of the scene under top as it is placed now.
ExportResult ExportScene(const preview3d::ScenePart& top, const preview3d::PreviewEngine& engine,
                         const model::TextureRegistry& textures, const ExportRequest& request);

// The scene of the definition under caret in text, built as a new 3D preview
// builds it (textures looked for in documentFolder first) and placed for the
// animation tick, as files.
ExportResult ExportDefinition(std::string_view text, model::Cursor caret,
                              preview3d::SceneEnvironment& environment,
                              const std::string& documentFolder, std::int32_t tick,
                              const ExportRequest& request);

// The name of the definition under caret, as its "name" statement gives it to
// the 2D preview's caption; read without showing any message, and with a
// texture registry of its own, so that it registers no texture anywhere.
std::string DefinitionName(std::string_view text, model::Cursor caret,
                           model::IncludeCache& includes);

}  // namespace lumtrak::exporter

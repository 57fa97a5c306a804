#pragma once

#include <optional>
#include <string>
#include <string_view>

// The formats a scene is exported in, and the names of the files an export writes.
namespace lumtrak::exporter {

enum class ExportFormat {
    Glb,   // binary glTF 2.0: one file
    Gltf,  // glTF 2.0 as JSON, with its ".bin" and PNG textures beside it
    Obj,   // Wavefront OBJ, with its ".mtl" and PNG textures beside it
};

// The format that a file name's extension (".glb", ".gltf", ".obj", in any
// case) names, if any.
std::optional<ExportFormat> FormatOfPath(std::string_view path);
// The format called "glb", "gltf" or "obj", if any.
std::optional<ExportFormat> FormatNamed(std::string_view name);

// The names of the files written beside the main output file: in its folder,
// named after its name without the extension.
struct SideFiles {
    explicit SideFiles(std::string_view out);

    std::string folder;  // the output's path up to its last '/', with it
    std::string stem;    // the output's file name without its extension

    // The name a side file has in the main file: "STEM" then suffix.
    std::string Name(std::string_view suffix) const { return stem + std::string(suffix); }
    // Its path, beside the main file.
    std::string Path(std::string_view suffix) const { return folder + Name(suffix); }
    // What follows the stem in the name of the PNG file of texture index.
    static std::string TextureSuffix(std::size_t index);
};

}  // namespace lumtrak::exporter

#include "export/export_format.h"

#include "platform/ascii.h"
#include "platform/path_parts.h"

namespace lumtrak::exporter {

std::optional<ExportFormat> FormatOfPath(std::string_view path) {
    const std::string_view name = platform::NameOf(path);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    return FormatNamed(platform::ToLowerAscii(std::string(name.substr(dot + 1))));
}

std::optional<ExportFormat> FormatNamed(std::string_view name) {
    if (name == "glb") return ExportFormat::Glb;
    if (name == "gltf") return ExportFormat::Gltf;
    if (name == "obj") return ExportFormat::Obj;
    return std::nullopt;
}

SideFiles::SideFiles(std::string_view out) : folder(platform::FolderPrefixOf(out)) {
    const std::string_view name = platform::NameOf(out);
    const auto dot = name.rfind('.');
    // A name that is all extension (".glb") keeps it as its stem.
    stem = std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

std::string SideFiles::TextureSuffix(std::size_t index) {
    return "_texture" + std::to_string(index) + ".png";
}

}  // namespace lumtrak::exporter

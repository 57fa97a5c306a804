#include "cli/scene_session.h"

#include <filesystem>
#include <system_error>

#include "model/texture_registry.h"

namespace lumtrak::cli {

OptionSpec DocumentPathOption() {
    return {"--document-path", true,
            "the document's path, whose folder is searched for textures (default: FILE's "
            "absolute path)"};
}

OptionSpec TickOption(std::string_view what) {
    return {"--tick", true, std::string(what)};
}

std::string DocumentFolderFrom(const Arguments& arguments) {
    if (auto path = arguments.Value("--document-path")) return preview3d::DocumentFolderOf(*path);
    if (arguments.File() == "-") return {};
    std::error_code error;
    const auto absolute = std::filesystem::absolute(arguments.File(), error);
    return preview3d::DocumentFolderOf(error ? arguments.File() : absolute.string());
}

std::optional<std::int32_t> TickFrom(const Arguments& arguments) {
    const auto value = arguments.Value("--tick");
    if (!value) return std::nullopt;
    const long long tick = ParseInteger("--tick", *value);
    if (tick < INT32_MIN || tick > INT32_MAX) {
        throw UsageError("--tick needs -2147483648 <= T <= 2147483647");
    }
    return static_cast<std::int32_t>(tick);
}

CliPreview::CliPreview(std::string documentFolder, int lightHarshness)
    : environment_(messages_, model::TextureRegistry::Process(), raster_),
      session_(environment_, lightHarshness, std::move(documentFolder)) {}

}  // namespace lumtrak::cli

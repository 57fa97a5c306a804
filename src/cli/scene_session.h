#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_messages.h"
#include "preview3d/font_text_raster.h"
#include "preview3d/preview_session.h"
#include "preview3d/scene_environment.h"

// What the "scene" and "render3d" commands share: the definition under the
// caret loaded as a new 3D preview loads it, label text painted by the font
// raster that the editor paints with too.
namespace lumtrak::cli {

OptionSpec DocumentPathOption();
OptionSpec TickOption(std::string_view what);

// The preview's document folder: from --document-path, else from FILE's
// absolute path (none for standard input).
std::string DocumentFolderFrom(const Arguments& arguments);
// --tick T as a 32-bit animation tick, if given.
std::optional<std::int32_t> TickFrom(const Arguments& arguments);

// The objects of one preview, in the order they must be made and destroyed.
class CliPreview {
  public:
    CliPreview(std::string documentFolder, int lightHarshness);

    preview3d::PreviewSession& Session() { return session_; }
    CliMessageSink& Messages() { return messages_; }
    preview3d::SceneEnvironment& Environment() { return environment_; }
    const std::vector<std::string>& Notes() const { return environment_.notes; }

  private:
    preview3d::FontTextRaster raster_;
    CliMessageSink messages_;
    preview3d::SceneEnvironment environment_;
    preview3d::PreviewSession session_;
};

}  // namespace lumtrak::cli

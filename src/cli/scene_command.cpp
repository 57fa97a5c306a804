#include "cli/cli_messages.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "cli/scene_json.h"
#include "cli/scene_session.h"
#include "model/texture_registry.h"

namespace lumtrak::cli {
namespace {

// The light harshness of a new editor, which the scene does not depend on.
constexpr int kDefaultLightHarshness = 50;

int RunScene(const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    const auto tick = TickFrom(arguments);
    const std::string bytes = ReadDefinitionFile(arguments.File());
    const auto selection = ClampSelection(requested, bytes.size());
    const std::string documentFolder = DocumentFolderFrom(arguments);
    ApplyProgramDir(arguments);

    CliPreview preview(documentFolder, kDefaultLightHarshness);
    auto& session = preview.Session();
    session.CreateEngine();
    session.LoadScene(bytes, selection.start);
    if (tick) session.PlaceForTick(*tick);
    WriteNotes(preview.Notes());

    JsonWriter json(&WriteStdout);
    json.BeginObject();
    json.Key("animated").Bool(session.Engine()->IsAnimated());
    json.Key("top");
    WriteScenePart(json, *session.TopPart(), *session.Engine(), model::TextureRegistry::Process());
    FinishJsonOutput(json, preview.Messages(), preview.Notes());
    return 0;
}

}  // namespace

Command SceneCommand() {
    return {
        "scene",
        "FILE [--sel A:B | --caret N] [--program-dir DIR] [--document-path P] [--tick T]",
        "build the 3D scene of the definition under the caret as the 3D preview loads it and "
        "print it as JSON",
        {SelectionOption(), CaretOption(), ProgramDirOption(), DocumentPathOption(),
         TickOption("place the scene for this animation tick")},
        FileArgument::Required,
        &RunScene,
    };
}

}  // namespace lumtrak::cli

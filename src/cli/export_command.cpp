#include "cli/cli_messages.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "cli/output_file.h"
#include "cli/scene_session.h"
#include "export/scene_export.h"
#include "stockindex/stock_index.h"

namespace lumtrak::cli {
namespace {

// The light harshness of a new editor, which the scene does not depend on.
constexpr int kDefaultLightHarshness = 50;

exporter::ExportFormat FormatFrom(const Arguments& arguments, const std::string& out) {
    if (const auto name = arguments.Value("--format")) {
        if (const auto format = exporter::FormatNamed(*name)) return *format;
        throw UsageError("--format needs glb, gltf or obj: '" + *name + "'");
    }
    if (const auto format = exporter::FormatOfPath(out)) return *format;
    throw UsageError("--out needs a file name ending in .glb, .gltf or .obj, or --format: '" + out +
                     "'");
}

int RunExport(const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    const auto tick = TickFrom(arguments);
    const auto out = arguments.Value("--out");
    if (!out) throw UsageError("export needs --out OUT");
    const exporter::ExportFormat format = FormatFrom(arguments, *out);
    const std::string bytes = ReadDefinitionFile(arguments.File());
    const auto selection = ClampSelection(requested, bytes.size());
    const std::string documentFolder = DocumentFolderFrom(arguments);
    ApplyProgramDir(arguments);

    const std::string name =
        exporter::DefinitionName(bytes, selection.start, stockindex::ProcessIncludeCache());
    CliPreview preview(documentFolder, kDefaultLightHarshness);
    const auto result =
        exporter::ExportDefinition(bytes, selection.start, preview.Environment(), documentFolder,
                                   tick.value_or(0), {format, *out, name});
    WriteNotes(preview.Notes());
    if (!result.failure.empty()) throw CommandFailure(result.failure);
    const auto written = exporter::WriteOutputFiles(result.files, OutputFileOptions());
    if (written.error) throw CannotWrite(written.failedPath, written.error);
    std::vector<std::string> notes = preview.Notes();
    for (const std::string& path : written.writtenInPlace) {
        notes.push_back(platform::WrittenInPlaceNote(path));
        WriteNotes({notes.back()});
    }

    JsonWriter json;
    json.BeginObject();
    json.Key("out").String(*out);
    json.Key("parts").Int(std::int64_t(result.counts.parts));
    json.Key("faces").Int(std::int64_t(result.counts.faces));
    json.Key("textures").Int(std::int64_t(result.counts.textures));
    FinishJsonOutput(json, preview.Messages(), notes);
    return 0;
}

}  // namespace

Command ExportCommand() {
    return {
        "export",
        "FILE --out OUT [--sel A:B | --caret N] [--program-dir DIR] [--document-path P] "
        "[--tick T] [--format glb|gltf|obj]",
        "write the 3D scene of the definition under the caret for other 3D tools: glTF 2.0 or "
        "Wavefront OBJ",
        {{"--out", true,
          "the file to write; .gltf and .obj files get their .bin or .mtl and PNG textures "
          "beside them"},
         SelectionOption(),
         CaretOption(),
         ProgramDirOption(),
         DocumentPathOption(),
         TickOption("place the scene for this animation tick (default 0)"),
         {"--format", true, "glb, gltf or obj (default: from OUT's extension)"}},
        FileArgument::Required,
        &RunExport,
    };
}

}  // namespace lumtrak::cli

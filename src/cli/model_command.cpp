#include "cli/cli_messages.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "cli/model_json.h"
#include "model/texture_registry.h"
#include "stockindex/stock_index.h"

namespace lumtrak::cli {
namespace {

int RunModel(const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    const std::string bytes = ReadDefinitionFile(arguments.File());
    const auto selection = ClampSelection(requested, bytes.size());
    ApplyProgramDir(arguments);

    CliMessageSink messages;
    auto& textures = model::TextureRegistry::Process();
    model::LoadEnvironment environment{messages, textures, stockindex::ProcessIncludeCache()};
    model::StockModel stock;
    model::LoadDefinitionAt(stock, model::DefinitionText(bytes), selection,
                            arguments.Has("--highlight"), environment);
    WriteNotes(environment.notes);

    JsonWriter json(&WriteStdout);
    json.BeginObject();
    WriteModelMembers(json, stock, textures);
    FinishJsonOutput(json, messages, environment.notes);
    return 0;
}

}  // namespace

Command ModelCommand() {
    return {
        "model",
        "FILE [--sel A:B | --caret N] [--highlight] [--program-dir DIR]",
        "load the definition under the caret as the 2D preview does and print it as JSON",
        {SelectionOption(),
         CaretOption(),
         {"--highlight", false, "colour the selected lines' panels magenta"},
         ProgramDirOption()},
        FileArgument::Required,
        &RunModel,
    };
}

}  // namespace lumtrak::cli

#include <filesystem>

#include "cli/cli_messages.h"
#include "cli/cli_status.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "platform/program_folder.h"
#include "stockindex/rebuild.h"
#include "stockindex/update.h"

namespace lumtrak::cli {
namespace {

// The path written into the update's entries when --document-path is not
// given: FILE's absolute path, or none for standard input (a document never
// saved).
std::string DefaultDocumentPath(const std::string& file) {
    if (file == "-") return {};
    return std::filesystem::absolute(file).lexically_normal().string();
}

int RunRebuild(const Arguments& arguments) {
    ApplyProgramDir(arguments);
    CliMessageSink messages;
    CliStatusSink status(arguments.Has("--verbose"));
    std::vector<std::string> notes;
    const bool written =
        stockindex::RebuildStockIndex(platform::ProgramFolder(), messages, status, notes);
    WriteNotes(notes);
    if (!written) throw CommandFailure("the stock index was not written");
    return 0;
}

int RunUpdate(const Arguments& arguments) {
    const std::string document = ReadDefinitionFile(arguments.File());
    const std::string documentPath =
        arguments.Value("--document-path").value_or(DefaultDocumentPath(arguments.File()));
    ApplyProgramDir(arguments);
    CliMessageSink messages;
    CliStatusSink status(false);
    std::vector<std::string> notes;
    const bool written = stockindex::UpdateStockIndex(
        document, documentPath, platform::ProgramFolder(), messages, status, notes);
    WriteNotes(notes);
    if (!written) throw CommandFailure("the stock index was not written");
    return 0;
}

Command RebuildCommand() {
    return {
        "rebuild",
        "[--program-dir DIR] [--verbose]",
        "write \"Stock Index\" anew from the program folder's \"Stock\" and \"QZV/Stock\" trees",
        {ProgramDirOption(),
         {"--verbose", false,
          "print each folder as it is scanned and \"Stock Index complete\" at the end"}},
        FileArgument::None,
        &RunRebuild,
    };
}

Command UpdateCommand() {
    return {
        "update",
        "FILE [--program-dir DIR] [--document-path P]",
        "put the definitions of FILE at the top of \"Stock Index\" and remove their older entries",
        {ProgramDirOption(),
         {"--document-path", true,
          "the path written into the entries (default: FILE's absolute path; \"\" and standard "
          "input stand for a document never saved)"}},
        FileArgument::Required,
        &RunUpdate,
    };
}

}  // namespace

Command IndexCommand() {
    Command index{
        "index", "rebuild | update", "rebuild or update the program folder's \"Stock Index\"",
        {},      FileArgument::None, nullptr,
    };
    index.subCommands = {RebuildCommand(), UpdateCommand()};
    return index;
}

}  // namespace lumtrak::cli

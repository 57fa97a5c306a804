#include "cli/command.h"
#include "cli/common_options.h"
#include "platform/program_folder.h"
#include "stockindex/required_files.h"

namespace lumtrak::cli {
namespace {

int RunRequiredFiles(const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    const std::string bytes = ReadDefinitionFile(arguments.File());
    const auto selection = ClampSelection(requested, bytes.size());
    ApplyProgramDir(arguments);
    WriteStdout(
        stockindex::CollectRequiredFiles(bytes, selection.start, platform::ProgramFolder()));
    return 0;
}

}  // namespace

Command RequiredFilesCommand() {
    return {
        "required-files",
        "FILE [--sel A:B | --caret N] [--program-dir DIR]",
        "list the bitmaps and stock files that the definition under the caret needs",
        {SelectionOption(), CaretOption(), ProgramDirOption()},
        FileArgument::Required,
        &RunRequiredFiles,
    };
}

}  // namespace lumtrak::cli

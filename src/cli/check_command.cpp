#include <filesystem>

#include "cli/cli_messages.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "diagnostics/check.h"
#include "diagnostics/package_files.h"
#include "platform/program_folder.h"
#include "platform/whole_file.h"
#include "stockindex/stock_index.h"

namespace lumtrak::cli {
namespace {

struct Input {
    std::string bytes;
    diagnostics::CheckedText checked;
};

// The files named on the command line, each read before anything is checked,
// so that one that cannot be read is bad usage before any output.
std::vector<Input> NamedInputs(const std::vector<std::string>& files) {
    std::vector<Input> inputs;
    for (const std::string& file : files) {
        Input& input = inputs.emplace_back();
        input.bytes = ReadDefinitionFile(file);
        input.checked.file = file;
        if (file != "-") input.checked.path = file;
    }
    return inputs;
}

// The definition files of the package, named as below the program folder as
// it was given; one that cannot be read is noted.
std::vector<Input> PackageInputs(const Arguments& arguments, std::vector<std::string>& notes) {
    const std::string folder = platform::ProgramFolder();
    const std::filesystem::path shownFolder = arguments.Value("--program-dir").value_or(folder);
    std::vector<Input> inputs;
    for (const std::string& path : diagnostics::PackageDefinitionFiles(folder)) {
        std::error_code error;
        auto bytes = platform::ReadWholeFile(path, &error);
        if (!bytes) {
            notes.push_back("cannot read file '" + path + "': " + error.message());
            continue;
        }
        Input& input = inputs.emplace_back();
        input.bytes = std::move(*bytes);
        input.checked.path = path;
        const auto below = std::filesystem::path(path).lexically_relative(folder);
        input.checked.file = (shownFolder / below).lexically_normal().string();
    }
    return inputs;
}

void WriteProblems(JsonWriter& json, const std::vector<diagnostics::Problem>& problems) {
    json.Key("problems").BeginArray();
    for (const auto& problem : problems) {
        json.BeginObject();
        json.Key("file").String(problem.file);
        json.Key("line").Int(std::int64_t(problem.line));
        json.Key("column").Int(std::int64_t(problem.column));
        json.Key("offset").Int(std::int64_t(problem.offset));
        json.Key("severity").String(diagnostics::SeverityName(problem.GetSeverity()));
        json.Key("code").String(problem.CodeName());
        json.Key("text").String(problem.Text());
        json.EndObject();
    }
    json.EndArray();
}

int RunCheck(const Arguments& arguments) {
    std::optional<model::TextSelection> selection;
    if (arguments.Has("--sel") || arguments.Has("--caret")) selection = SelectionFrom(arguments);
    std::vector<Input> inputs = NamedInputs(arguments.Files());
    ApplyProgramDir(arguments);
    std::vector<std::string> notes;
    if (arguments.Files().empty()) inputs = PackageInputs(arguments, notes);

    CliMessageSink messages;
    diagnostics::Checker checker(stockindex::ProcessIncludeCache(), messages);
    std::vector<diagnostics::Problem> problems;
    for (Input& input : inputs) {
        input.checked.bytes = input.bytes;
        std::optional<model::Cursor> only;
        if (selection) only = ClampSelection(*selection, input.bytes.size()).start;
        diagnostics::CheckResult result = checker.Check(input.checked, only);
        std::move(result.problems.begin(), result.problems.end(), std::back_inserter(problems));
        std::move(result.notes.begin(), result.notes.end(), std::back_inserter(notes));
    }
    diagnostics::SortProblems(problems);
    WriteNotes(notes);

    if (arguments.Has("--json")) {
        JsonWriter json;
        json.BeginObject();
        WriteProblems(json, problems);
        FinishJsonOutput(json, messages, notes);
    } else {
        std::string lines;
        for (const auto& problem : problems)
            lines += diagnostics::ProblemLine(problem) + "\n";
        WriteStdout(lines);
    }
    // Status 1 also says that problems were found: a failure to write must
    // say so itself.
    if (const auto failure = FlushStandardOutput()) {
        throw CommandFailure(std::string(kCannotWriteOutput) + *failure);
    }
    return diagnostics::HasErrorsOrWarnings(problems) ? 1 : 0;
}

}  // namespace

Command CheckCommand() {
    return {
        "check",
        "[FILE...] [--program-dir DIR] [--json] [--sel A:B | --caret N]",
        "report what the previews cannot use or show otherwise than meant in each definition of "
        "each FILE, or of the whole package",
        {ProgramDirOption(),
         {"--json", false, "print the problems, messages and notes as one JSON object"},
         SelectionOption(),
         CaretOption()},
        FileArgument::Any,
        &RunCheck,
    };
}

}  // namespace lumtrak::cli

#include "cli/common_options.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "platform/last_error.h"
#include "platform/program_folder.h"
#include "platform/whole_file.h"

namespace lumtrak::cli {

OptionSpec ProgramDirOption() {
    return {"--program-dir", true, "folder holding \"Stock Index\", \"Stock/\" and \"Textures/\""};
}
OptionSpec SelectionOption() {
    return {"--sel", true, "selected bytes [A, B) as A:B"};
}
OptionSpec CaretOption() {
    return {"--caret", true, "caret at byte N (--sel N:N)"};
}

std::string ReadDefinitionFile(const std::string& file) {
    std::string content;
    if (file == "-") {
        if (auto error = platform::ReadToEnd(STDIN_FILENO, content)) {
            throw UsageError("cannot read standard input: " + error.message());
        }
        return content;
    }
    std::error_code error;
    auto whole = platform::ReadWholeFile(file, &error);
    if (!whole) throw UsageError("cannot read file '" + file + "': " + error.message());
    return std::move(*whole);
}

model::TextSelection SelectionFrom(const Arguments& arguments) {
    long long start = 0;
    long long end = 0;
    if (arguments.Has("--sel") && arguments.Has("--caret")) {
        throw UsageError("--sel and --caret exclude each other");
    }
    if (auto sel = arguments.Value("--sel")) {
        const auto colon = sel->find(':');
        if (colon == std::string::npos)
            throw UsageError("malformed value '" + *sel + "' for --sel");
        start = ParseInteger("--sel", std::string_view(*sel).substr(0, colon));
        end = ParseInteger("--sel", std::string_view(*sel).substr(colon + 1));
        if (start < 0 || end < start) throw UsageError("--sel needs 0 <= A <= B");
    } else if (auto caret = arguments.Value("--caret")) {
        start = end = ParseInteger("--caret", *caret);
        if (start < 0) throw UsageError("--caret needs N >= 0");
    }
    return {static_cast<std::size_t>(start), static_cast<std::size_t>(end)};
}

model::TextSelection ClampSelection(model::TextSelection selection, std::size_t textLength) {
    return {std::min(selection.start, textLength), std::min(selection.end, textLength)};
}

void ApplyProgramDir(const Arguments& arguments) {
    if (auto folder = arguments.Value("--program-dir")) platform::SetProgramFolderOverride(*folder);
}

void WriteStdout(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        throw CommandFailure(std::string(kCannotWriteOutput) + platform::LastError().message());
    }
}

std::optional<std::string> FlushStandardOutput() {
    // std::cout writes through to stdout's buffer, so this flushes both.
    if (std::fflush(stdout) != 0) return platform::LastError().message();
    std::cout.flush();
    // A flush that failed before, when the buffer ran full, is remembered here.
    if (std::ferror(stdout) || !std::cout) return "write error";
    return std::nullopt;
}

}  // namespace lumtrak::cli

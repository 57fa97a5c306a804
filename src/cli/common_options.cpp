#include "cli/common_options.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "platform/program_folder.h"

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
    std::ostringstream content;
    if (file == "-") {
        content << std::cin.rdbuf();
        return std::move(content).str();
    }
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        throw UsageError("cannot read file '" + file + "': it is a folder");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw UsageError("cannot read file '" + file + "'");
    content << in.rdbuf();
    if (in.bad()) throw UsageError("cannot read file '" + file + "'");
    return std::move(content).str();
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
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

}  // namespace lumtrak::cli

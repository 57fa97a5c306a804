#include "export/output_files.h"

namespace lumtrak::exporter {

WriteOutcome WriteOutputFiles(const std::vector<OutputFile>& files,
                              const platform::ReplacementOptions& options) {
    WriteOutcome outcome;
    if (files.empty()) return outcome;
    const auto fail = [&outcome](const std::string& path, std::error_code error) {
        outcome.error = error;
        outcome.failedPath = path;
        return outcome;
    };
    const auto note = [&outcome](const std::string& path, platform::ReplacementWay way) {
        if (way == platform::ReplacementWay::InPlace) outcome.writtenInPlace.push_back(path);
    };
    const OutputFile& main = files.front();
    platform::FileReplacement replacement;
    if (const auto error = replacement.Open(main.path, options)) return fail(main.path, error);
    for (std::size_t i = 1; i < files.size(); ++i) {
        const auto result = platform::ReplaceFile(files[i].path, files[i].bytes, options);
        if (result.error) return fail(files[i].path, result.error);
        note(files[i].path, result.way);
    }
    replacement.Write(main.bytes);
    if (const auto error = replacement.Commit()) return fail(main.path, error);
    note(main.path, replacement.Way());
    return outcome;
}

}  // namespace lumtrak::exporter

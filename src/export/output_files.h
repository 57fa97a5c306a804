#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "platform/file_replacement.h"

namespace lumtrak::exporter {

// One file that an export writes.
struct OutputFile {
    std::string path;
    std::string bytes;
};

struct WriteOutcome {
    std::error_code error;
    std::string failedPath;  // the file that could not be written
    // Files written over in place, since their folder takes no new file.
    std::vector<std::string> writtenInPlace;
};

// Writes the files through the kit's file replacement. The first is the main
// file, which names the others: its replacement is prepared first, so that a
// main file that cannot be written (a missing or read-only folder, a folder of
// that name, a read-only file) stops the export before any other file is
// written, and it is completed last, so that it never names a file not yet
// written. The first failure stops the writing.
WriteOutcome WriteOutputFiles(const std::vector<OutputFile>& files,
                              const platform::ReplacementOptions& options = {});

}  // namespace lumtrak::exporter

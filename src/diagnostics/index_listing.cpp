#include "diagnostics/index_listing.h"

#include <algorithm>
#include <filesystem>

#include "platform/ascii.h"
#include "platform/file_lookup.h"
#include "platform/whole_file.h"
#include "stockindex/index_lines.h"

namespace lumtrak::diagnostics {
namespace {

std::filesystem::path Normal(const std::filesystem::path& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

}  // namespace

bool IndexListsFile(const std::string& programFolder, const std::string& path) {
    const auto index = platform::FindPathIgnoringCase(programFolder + "/Stock Index");
    if (!index) return false;
    const auto content = platform::ReadWholeFile(*index);
    if (!content) return false;
    const std::filesystem::path wanted = Normal(path);
    const auto identity = platform::IdentifyFile(path);
    for (stockindex::IndexEntry& entry : stockindex::ReadIndexEntries(*content)) {
        std::replace(entry.path.begin(), entry.path.end(), '\\', '/');
        std::filesystem::path listed(std::string(platform::Trim(entry.path, " \t\r\n")));
        if (listed.is_relative()) listed = std::filesystem::path(programFolder) / listed;
        listed = Normal(listed);
        if (listed == wanted) return true;
        // The same file by another way (a link, another case of its name):
        // only entries of the same name are looked at on disk.
        if (identity && platform::EqualIgnoringAsciiCase(listed.filename().string(),
                                                         wanted.filename().string())) {
            const auto found = platform::FindPathIgnoringCase(listed.string());
            const auto other = found ? platform::IdentifyFile(*found) : std::nullopt;
            if (other && other->device == identity->device && other->inode == identity->inode) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace lumtrak::diagnostics

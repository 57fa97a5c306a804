#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::platform {

// Finds an existing file or folder by name the way the original platform did,
// where names are case-insensitive: the exact path first, then, for every path
// component that does not exist as written, a case-insensitive match in its
// folder. Gives nothing when some component has no match.
std::optional<std::string> FindPathIgnoringCase(std::string_view path);

// The names of the entries of folder that equal name without regard to ASCII
// case, in the folder's own order.
std::vector<std::string> FindEntriesIgnoringCase(const std::string& folder, std::string_view name);

// What tells one version of a file from another: caches keyed on it are valid
// for as long as re-reading the file would give the same bytes.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentifyFile(const std::string& path);
std::optional<FileIdentity> IdentifyOpenFile(int fileHandle);

// The time of day in nanoseconds, on the clock that stamps modification times.
std::int64_t WallClockNanoseconds();

// Whether the identity that a file had when it was read at readNanoseconds
// tells every later change of it. File systems stamp modification times from a
// coarse clock (a few milliseconds; two seconds on some), so a file written
// again just after it was read may keep its size and its modification time:
// only once its modification time lies that far before the reading does the
// identity tell a new version. A cache re-reads a file until then.
bool IdentityTellsChanges(const FileIdentity& identity, std::int64_t readNanoseconds);

}  // namespace lumtrak::platform

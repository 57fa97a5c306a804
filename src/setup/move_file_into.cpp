#include "setup/move_file_into.h"

#include <filesystem>

#include "platform/file_lookup.h"
#include "platform/file_move.h"
#include "setup/folder_paths.h"

namespace lumtrak::setup {
namespace fs = std::filesystem;
namespace {

using Status = MoveOutcome::Status;

// The package file that `name` stands for in folder: the exact name, else the
// only match without regard to case.
MoveOutcome FindSource(const std::string& folder, std::string_view name, std::string& source) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return {Status::Missing, {}};
    source = folder + std::string(name);
    if (fs::symlink_status(source, error).type() != fs::file_type::not_found) return {};
    const auto matches = platform::FindEntriesIgnoringCase(folder, name);
    if (matches.empty()) return {Status::Missing, {}};
    if (matches.size() > 1) {
        std::string names;
        for (const auto& match : matches)
            names += (names.empty() ? "" : ", ") + match;
        return {Status::Ambiguous, names};
    }
    source = folder + matches.front();
    return {};
}

}  // namespace

std::string MoveOutcome::Describe() const {
    switch (status) {
        case Status::Moved:
            return "moved";
        case Status::Missing:
            return "not found";
        case Status::NotAFile:
            return "not a file, left in place";
        case Status::Ambiguous:
            return "not moved: several package files differ from it only in case (" + reason + ")";
        case Status::AlreadyPlaced:
            return "not moved: a file of that name was put there by this installation already";
        case Status::CopiedSourceLeft:
            return "copied, package file left: " + reason;
        case Status::Failed:
            break;
    }
    return "not moved: " + reason;
}

MoveOutcome MoveFileInto(const std::string& from, const std::string& to, std::string_view name,
                         PlacedFiles* placed) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) {
        return {Status::NotAFile, {}};
    }
    std::string source;
    if (auto lookup = FindSource(WithTrailingSlash(from), name, source); !lookup.Moved()) {
        return lookup;
    }
    std::error_code error;
    const auto type = fs::symlink_status(source, error).type();
    if (type == fs::file_type::not_found) return {Status::Missing, {}};
    if (type != fs::file_type::regular && type != fs::file_type::symlink) {
        return {Status::NotAFile, {}};
    }
    const std::string destination = WithTrailingSlash(to) + std::string(name);
    if (placed != nullptr && placed->Contains(destination)) return {Status::AlreadyPlaced, {}};

    const auto result = platform::MoveFileOrLink(source, destination);
    if (result.error && !result.copyInPlace) return {Status::Failed, result.error.message()};
    if (placed != nullptr) placed->Add(destination);
    if (result.error) return {Status::CopiedSourceLeft, result.error.message()};
    return {Status::Moved, {}};
}

}  // namespace lumtrak::setup

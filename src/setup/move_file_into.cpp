#include "setup/move_file_into.h"

#include <filesystem>

#include "platform/file_move.h"
#include "setup/folder_paths.h"

namespace lumtrak::setup {
namespace fs = std::filesystem;

std::string MoveOutcome::Describe() const {
    switch (status) {
        case Status::Moved:
            return "moved";
        case Status::Missing:
            return "not found";
        case Status::NotAFile:
            return "not a file, left in place";
        case Status::Failed:
            break;
    }
    return "not moved: " + reason;
}

MoveOutcome MoveFileInto(const std::string& from, const std::string& to, std::string_view name) {
    using Status = MoveOutcome::Status;
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) {
        return {Status::NotAFile, {}};
    }
    const auto source = FindInFolder(from, name);
    if (!source) return {Status::Missing, {}};

    std::error_code error;
    const auto type = fs::symlink_status(*source, error).type();
    if (type == fs::file_type::not_found) return {Status::Missing, {}};
    if (type != fs::file_type::regular && type != fs::file_type::symlink) {
        return {Status::NotAFile, {}};
    }
    if (auto moveError =
            platform::MoveFileOrLink(*source, WithTrailingSlash(to) + std::string(name))) {
        return {Status::Failed, moveError.message()};
    }
    return {Status::Moved, {}};
}

}  // namespace lumtrak::setup

#pragma once

#include <string>
#include <string_view>

namespace lumtrak::setup {

struct MoveOutcome {
    enum class Status { Moved, Missing, NotAFile, Failed };
    Status status = Status::Moved;
    std::string reason;  // why a move failed

    bool Moved() const { return status == Status::Moved; }
    // One short phrase for the list of steps that were not done.
    std::string Describe() const;
};

// Moves the file or link `name` from folder `from` into folder `to` (a "/" is
// added to either folder that lacks one), taking the place of a file of that
// name there. The source is found by its name as written or else without regard
// to case, and arrives under the name as written. A missing source leaves the
// destination untouched; folders are never moved; a name that is not a plain
// file name moves nothing.
MoveOutcome MoveFileInto(const std::string& from, const std::string& to, std::string_view name);

}  // namespace lumtrak::setup

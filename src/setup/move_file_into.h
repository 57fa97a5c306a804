#pragma once

#include <set>
#include <string>
#include <string_view>

namespace lumtrak::setup {

struct MoveOutcome {
    enum class Status {
        Moved,
        Missing,
        NotAFile,
        Ambiguous,         // several package files match the name, none exactly
        AlreadyPlaced,     // this installation has put another file there already
        CopiedSourceLeft,  // moved by copying, but the package file could not be removed
        Failed,
    };
    Status status = Status::Moved;
    std::string reason;  // why a move failed; the matching names of an ambiguous one

    bool Moved() const { return status == Status::Moved; }
    // One short phrase for the list of steps that were not done.
    std::string Describe() const;
};

// The destination paths of the files that one installation has moved into
// place: none of them is replaced by another package file.
class PlacedFiles {
  public:
    bool Contains(const std::string& path) const { return paths_.count(path) != 0; }
    void Add(const std::string& path) { paths_.insert(path); }

  private:
    std::set<std::string> paths_;
};

// Moves the file or link `name` from folder `from` into folder `to` (a "/" is
// added to either folder that lacks one), taking the place of a file of that
// name there, unless `placed` holds that destination. The source is the file
// named exactly so, or else the one file whose name matches without regard to
// case (several such files move none); it arrives under the name as written. A
// missing source leaves the destination untouched; folders are never moved; a
// name that is not a plain file name moves nothing.
MoveOutcome MoveFileInto(const std::string& from, const std::string& to, std::string_view name,
                         PlacedFiles* placed = nullptr);

}  // namespace lumtrak::setup

#pragma once

#include <string>
#include <system_error>

namespace lumtrak::platform {

// How a move ended: done (no error), not done (error), or, when moved by
// copying, a complete copy in place at `to` but `from` left behind (error says
// why it could not be removed).
struct FileMoveResult {
    std::error_code error;
    bool copyInPlace = false;
};

// Moves a file or a symbolic link (the link itself, never what it points to) to
// `to`, taking the place of a file or link of that name there. Where a rename
// cannot cross file systems the entry is moved by copying (MoveByCopying).
// Folders and special files are not moved.
FileMoveResult MoveFileOrLink(const std::string& from, const std::string& to);

// Moves by copying: the content (or the link text), permissions and times take
// the name `to` through FileReplacement (the name itself is replaced, never what
// a link there names); only then is `from` removed. When the copy fails, `from` and any file at
// `to` stay as they were and nothing of the copy is left behind.
FileMoveResult MoveByCopying(const std::string& from, const std::string& to);

}  // namespace lumtrak::platform

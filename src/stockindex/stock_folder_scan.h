#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_descriptor.h"
#include "platform/mapped_file.h"
#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// The rebuild's walk over the stock folder trees of one program folder,
// writing their groups and entries. Folders are walked through descriptors
// (openat), never by changing the process's current folder, and every file is
// read into one buffer.
class StockFolderScan {
  public:
    // programFolder: the program folder's real path, which no link may lead out of.
    StockFolderScan(std::string programFolder, IndexWriter& out, platform::MessageSink& messages,
                    platform::StatusSink& status, std::vector<std::string>& notes);

    // Writes the layout of the tree at path (absolute, as its names stand on
    // disk), whose path is shown as the status; a folder that cannot be opened
    // is passed over silently. A sub-folder gets "NODE" and its own name, then
    // its sub-folders' layouts in name order (those whose name begins with '.'
    // are passed over), then the entries of its ".stk" files in name order
    // (hidden ones, whose name begins with '.', are passed over), then
    // "End NODE". The tree folder writes no "NODE" lines of its own. A folder
    // without any ".stk" file writes a single "End NODE" in place of its
    // entries, so a tree folder without one ends with an unmatched "End NODE".
    //
    // Every folder is walked once, by the first way to it in the walk's order,
    // and a link is followed only into the program folder: links that fan out
    // or lead round cost no more than the folders they lead to. A name with a
    // line break or a tab, which no index line can hold, is passed over. Each
    // of these leaves a note.
    void ScanTree(const std::string& path);

  private:
    struct Entry;

    void ScanFolder(platform::FileDescriptor folder, const std::string& path, bool isTree);
    std::vector<Entry> ListEntries(int folder);
    // Whether the link name in folder (at path) leads into the program folder;
    // notes it when not.
    bool LeadsIntoProgramFolder(int folder, const std::string& name, const std::string& path);
    // Whether the folder open as folder (at path) is walked for the first time;
    // notes it when not.
    bool FirstVisit(int folder, const std::string& path, bool throughLink);
    bool IndexableName(const std::string& path);

    std::string programFolder_;
    IndexWriter& out_;
    platform::MessageSink& messages_;
    platform::StatusSink& status_;
    std::vector<std::string>& notes_;
    platform::FileBuffer buffer_;
    // Every folder walked, by device and inode.
    std::set<std::pair<std::uint64_t, std::uint64_t>> walked_;
};

}  // namespace lumtrak::stockindex

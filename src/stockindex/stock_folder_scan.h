#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_descriptor.h"
#include "platform/mapped_file.h"
#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// What a walk over a stock folder tree hands on, in the walk's order.
class StockTreeVisitor {
  public:
    virtual ~StockTreeVisitor() = default;
    // A sub-folder of the tree begins (the tree folder itself begins nothing):
    // its sub-folders' walks follow, then its files.
    virtual void BeginFolder(std::string_view name) { (void)name; }
    // A file that the walk takes, with its whole content, valid for the call.
    virtual void File(const std::string& path, std::string_view content) = 0;
    // The folder last begun ends, or the tree folder (isTree); anyFile tells
    // whether any file that the walk takes stood in it.
    virtual void EndFolder(bool isTree, bool anyFile) {
        (void)isTree;
        (void)anyFile;
    }
};

// Whether the walk takes a file by its name: the rebuild's takes ".stk" files
// (any case).
using FileNameFilter = std::function<bool(std::string_view name)>;
bool IsStockFileName(std::string_view name);

// Writes what the walk hands on as the rebuild's layout of the index: a
// sub-folder gets "NODE" and its own name, then its sub-folders' layouts, then
// the entries of its ".stk" files, then "End NODE". The tree folder writes no
// "NODE" lines of its own. A folder without any ".stk" file writes a single
// "End NODE" in place of its entries, so a tree folder without one ends with
// an unmatched "End NODE".
class IndexLayout final : public StockTreeVisitor {
  public:
    explicit IndexLayout(IndexWriter& out) : out_(out) {}
    void BeginFolder(std::string_view name) override;
    void File(const std::string& path, std::string_view content) override;
    void EndFolder(bool isTree, bool anyFile) override;

  private:
    IndexWriter& out_;
};

// The rebuild's walk over the stock folder trees of one program folder.
// Folders are walked through descriptors (openat), never by changing the
// process's current folder, and every file is read into one buffer.
class StockFolderScan {
  public:
    // programFolder: the program folder's real path, which no link may lead out of.
    StockFolderScan(std::string programFolder, StockTreeVisitor& visitor,
                    platform::MessageSink& messages, platform::StatusSink& status,
                    std::vector<std::string>& notes, FileNameFilter takes = IsStockFileName);

    // Walks the tree at path (absolute, as its names stand on disk), whose
    // path is shown as the status; a folder that cannot be opened is passed
    // over silently. Each folder's sub-folders come in name order (those whose
    // name begins with '.' are passed over), then the files that the filter
    // takes, in name order (hidden ones, whose name begins with '.', are
    // passed over), each read whole (after the mapped-file reader's message
    // when it cannot be).
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

    bool Takes(const Entry& entry) const;

    std::string programFolder_;
    StockTreeVisitor& visitor_;
    FileNameFilter takes_;
    platform::MessageSink& messages_;
    platform::StatusSink& status_;
    std::vector<std::string>& notes_;
    platform::FileBuffer buffer_;
    // Every folder walked, by device and inode.
    std::set<std::pair<std::uint64_t, std::uint64_t>> walked_;
};

// The folder as an absolute path without a trailing '/'.
std::string AbsoluteProgramFolder(const std::string& folder);

// Walks the stock folder trees of programFolder as the rebuild does: "Stock",
// then "QZV/Stock" (names found in any case; a missing tree is passed over),
// with paths that join the program folder's absolute path and the names below
// it with '/'.
void WalkStockTrees(const std::string& programFolder, StockTreeVisitor& visitor,
                    platform::MessageSink& messages, platform::StatusSink& status,
                    std::vector<std::string>& notes, FileNameFilter takes = IsStockFileName);

}  // namespace lumtrak::stockindex

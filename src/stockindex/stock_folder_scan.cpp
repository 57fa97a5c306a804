#include "stockindex/stock_folder_scan.h"

#include <algorithm>

#include "model/characters.h"
#include "platform/current_folder.h"
#include "platform/folder_listing.h"
#include "stockindex/definition_file_names.h"

namespace lumtrak::stockindex {
namespace {

using platform::FolderEntry;

constexpr std::string_view kStockExtension = ".stk";

bool IsHidden(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

bool IsStockFile(const FolderEntry& entry) {
    if (entry.kind == FolderEntry::Kind::Folder) return false;
    const std::string_view name = entry.name;
    return name.size() >= kStockExtension.size() &&
           model::StartsWithIgnoringCase(name.substr(name.size() - kStockExtension.size()),
                                         kStockExtension);
}

std::string_view LastComponent(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

}  // namespace

StockFolderScan::StockFolderScan(IndexWriter& out, platform::MessageSink& messages,
                                 platform::StatusSink& status)
    : out_(out), messages_(messages), status_(status) {}

void StockFolderScan::ScanStockFolder(const std::string& folder, bool isTree) {
    const auto identity = platform::IdentifyFile(folder);
    if (!identity || std::find(open_.begin(), open_.end(), *identity) != open_.end()) return;
    if (!platform::ChangeCurrentFolder(folder)) return;
    open_.push_back(*identity);

    status_.ShowStatus(folder);
    if (!isTree) {
        out_.Line(kNodeLine);
        out_.Line(LastComponent(folder));
    }

    const std::vector<FolderEntry> entries =
        platform::ListFolder(folder).value_or(std::vector<FolderEntry>{});
    for (const FolderEntry& entry : entries) {
        if (entry.kind == FolderEntry::Kind::Folder && !IsHidden(entry.name)) {
            ScanStockFolder(Join(folder, entry.name), false);
        }
    }
    platform::ChangeCurrentFolder(folder);

    open_.pop_back();
    if (std::none_of(entries.begin(), entries.end(), IsStockFile)) {
        out_.Line(kEndNodeLine);
        return;
    }
    for (const FolderEntry& entry : entries) {
        if (IsStockFile(entry) && !IsHidden(entry.name)) {
            IndexDefinitionFile(Join(folder, entry.name), out_, messages_);
        }
    }
    if (!isTree) out_.Line(kEndNodeLine);
}

}  // namespace lumtrak::stockindex

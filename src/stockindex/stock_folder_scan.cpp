#include "stockindex/stock_folder_scan.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "model/characters.h"
#include "platform/file_lookup.h"
#include "platform/folder_listing.h"
#include "platform/folder_lookup.h"
#include "platform/path_parts.h"
#include "stockindex/definition_file_names.h"

namespace lumtrak::stockindex {

struct StockFolderScan::Entry {
    std::string name;
    bool folder = false;  // a folder, or a link to one
    bool link = false;
};

namespace {

using platform::FileDescriptor;

constexpr std::string_view kStockExtension = ".stk";
constexpr std::array<std::string_view, 2> kStockTrees = {"Stock", "QZV/Stock"};
// Far larger than any definition file: a larger one is not read into memory.
constexpr std::size_t kLargestFile = std::size_t{256} << 20;

bool IsHidden(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

// Where the folder really lies, without links; as given when that cannot be had.
std::string RealFolder(const std::string& folder) {
    std::error_code error;
    const auto real = std::filesystem::canonical(folder, error);
    return error ? folder : real.string();
}

bool IsWithin(const std::string& path, const std::string& folder) {
    if (folder == "/") return true;
    return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

}  // namespace

bool IsStockFileName(std::string_view name) {
    return name.size() >= kStockExtension.size() &&
           model::StartsWithIgnoringCase(name.substr(name.size() - kStockExtension.size()),
                                         kStockExtension);
}

void IndexLayout::BeginFolder(std::string_view name) {
    out_.Line(kNodeLine);
    out_.Line(name);
}

void IndexLayout::File(const std::string& path, std::string_view content) {
    WriteEntries(content, path, out_);
}

void IndexLayout::EndFolder(bool isTree, bool anyFile) {
    if (!anyFile || !isTree) out_.Line(kEndNodeLine);
}

StockFolderScan::StockFolderScan(std::string programFolder, StockTreeVisitor& visitor,
                                 platform::MessageSink& messages, platform::StatusSink& status,
                                 std::vector<std::string>& notes, FileNameFilter takes)
    : programFolder_(std::move(programFolder)),
      visitor_(visitor),
      takes_(std::move(takes)),
      messages_(messages),
      status_(status),
      notes_(notes) {}

bool StockFolderScan::Takes(const Entry& entry) const {
    return !entry.folder && takes_(entry.name);
}

void StockFolderScan::ScanTree(const std::string& path) {
    FileDescriptor tree = platform::OpenFolderPath(path);
    if (!tree.IsOpen()) return;
    const auto real = platform::RealPathOf(tree.Get(), path);
    if (!real || !IsWithin(*real, programFolder_)) {
        notes_.push_back("link '" + path + "' skipped: it leads out of the program folder");
        return;
    }
    if (FirstVisit(tree.Get(), path, true)) ScanFolder(std::move(tree), path, true);
}

std::vector<StockFolderScan::Entry> StockFolderScan::ListEntries(int folder) {
    std::vector<Entry> entries;
    const auto listed = platform::ListFolderAt(folder);
    if (!listed) return entries;
    for (const platform::FolderEntry& found : *listed) {
        entries.push_back(
            {found.name, found.kind == platform::FolderEntry::Kind::Folder, found.link});
    }
    return entries;
}

bool StockFolderScan::IndexableName(const std::string& path) {
    if (platform::NameOf(path).find_first_of("\r\n\t") == std::string_view::npos) return true;
    notes_.push_back("'" + path +
                     "' skipped: the index cannot hold a name with a line break or a tab");
    return false;
}

bool StockFolderScan::LeadsIntoProgramFolder(int folder, const std::string& name,
                                             const std::string& path) {
    // O_PATH opens without reading, so a FIFO behind the link cannot block it.
    const FileDescriptor target = platform::OpenWithoutReading(folder, name);
    if (!target.IsOpen()) return true;  // a dangling link is reported when it is read
    const auto real = platform::RealPathOf(target.Get(), path);
    if (real && IsWithin(*real, programFolder_)) return true;
    notes_.push_back("link '" + path + "' skipped: it leads out of the program folder");
    return false;
}

bool StockFolderScan::FirstVisit(int folder, const std::string& path, bool throughLink) {
    const auto identity = platform::IdentifyOpenFile(folder);
    if (!identity || walked_.insert({identity->device, identity->inode}).second) return true;
    notes_.push_back(throughLink
                         ? "link '" + path + "' skipped: the folder it leads to is indexed already"
                         : "'" + path + "' skipped: its folder is indexed already through a link");
    return false;
}

void StockFolderScan::ScanFolder(FileDescriptor folder, const std::string& path, bool isTree) {
    status_.ShowStatus(path);
    if (!isTree) visitor_.BeginFolder(platform::NameOf(path));

    const std::vector<Entry> entries = ListEntries(folder.Get());
    for (const Entry& entry : entries) {
        if (!entry.folder || IsHidden(entry.name)) continue;
        const std::string subPath = Join(path, entry.name);
        if (!IndexableName(subPath)) continue;
        if (entry.link && !LeadsIntoProgramFolder(folder.Get(), entry.name, subPath)) continue;
        std::error_code ignored;
        FileDescriptor sub = platform::OpenFolderAt(folder.Get(), entry.name, ignored);
        if (sub.IsOpen() && FirstVisit(sub.Get(), subPath, entry.link)) {
            ScanFolder(std::move(sub), subPath, false);
        }
    }

    const bool anyFile = std::any_of(entries.begin(), entries.end(),
                                     [this](const Entry& entry) { return Takes(entry); });
    if (!anyFile) return visitor_.EndFolder(isTree, false);
    for (const Entry& entry : entries) {
        if (!Takes(entry) || IsHidden(entry.name)) continue;
        const std::string filePath = Join(path, entry.name);
        if (!IndexableName(filePath)) continue;
        if (entry.link && !LeadsIntoProgramFolder(folder.Get(), entry.name, filePath)) continue;
        bool tooLarge = false;
        const auto content = platform::ReadMappedFileAt(folder.Get(), entry.name, filePath, true,
                                                        kLargestFile, tooLarge, buffer_, messages_);
        if (content) visitor_.File(filePath, *content);
        if (tooLarge) {
            notes_.push_back("'" + filePath + "' skipped: it is larger than " +
                             std::to_string(kLargestFile) + " bytes");
        }
    }
    visitor_.EndFolder(isTree, true);
}

std::string AbsoluteProgramFolder(const std::string& folder) {
    std::error_code error;
    const auto made = std::filesystem::absolute(folder, error);
    std::string absolute = error ? folder : made.lexically_normal().string();
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    return absolute;
}

void WalkStockTrees(const std::string& programFolder, StockTreeVisitor& visitor,
                    platform::MessageSink& messages, platform::StatusSink& status,
                    std::vector<std::string>& notes, FileNameFilter takes) {
    const std::string folder = AbsoluteProgramFolder(programFolder);
    StockFolderScan scan(RealFolder(folder), visitor, messages, status, notes, std::move(takes));
    for (std::string_view tree : kStockTrees) {
        const std::string path = (folder == "/" ? "" : folder) + "/" + std::string(tree);
        if (const auto found = platform::FindPathIgnoringCase(path)) scan.ScanTree(*found);
    }
}

}  // namespace lumtrak::stockindex

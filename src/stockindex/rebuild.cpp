#include "stockindex/rebuild.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/file_lookup.h"
#include "stockindex/index_file.h"
#include "stockindex/stock_folder_scan.h"

namespace lumtrak::stockindex {
namespace {

constexpr std::array<std::string_view, 2> kStockTrees = {"Stock", "QZV/Stock"};

// The folder as an absolute path without a trailing '/'.
std::string AbsoluteFolder(const std::string& folder) {
    std::error_code error;
    const auto made = std::filesystem::absolute(folder, error);
    std::string absolute = error ? folder : made.lexically_normal().string();
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    return absolute;
}

// Where the folder really lies, without links; as given when that cannot be had.
std::string RealFolder(const std::string& folder) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.c_str(), nullptr),
                                                     &std::free);
    return real ? std::string(real.get()) : folder;
}

}  // namespace

bool RebuildStockIndex(const std::string& programFolder, platform::MessageSink& messages,
                       platform::StatusSink& status, std::vector<std::string>& notes) {
    const std::string folder = AbsoluteFolder(programFolder);
    NewIndexFile index(folder, messages);
    if (!index.Created()) return false;
    platform::BusyScope busy(status);

    StockFolderScan scan(RealFolder(folder), index.Writer(), messages, status, notes);
    for (std::string_view tree : kStockTrees) {
        const std::string path = (folder == "/" ? "" : folder) + "/" + std::string(tree);
        if (const auto found = platform::FindPathIgnoringCase(path)) scan.ScanTree(*found);
    }
    if (!index.Commit(notes)) return false;
    status.ShowStatus(kRebuildComplete);
    return true;
}

}  // namespace lumtrak::stockindex

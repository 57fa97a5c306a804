#pragma once

#include <cstdint>
#include <filesystem>

namespace lumtrak::bench {

struct StockTreeShape {
    int files = 5'000;
    int filesPerFolder = 100;
    int quarterOfFoldersUnderQzv = 1;    // of every four folders, this many go to "QZV/Stock"
    std::int64_t bytesPerFile = 20'000;  // about 100 MB in all
};

// Writes "Stock" and "QZV/Stock" trees of stock files into a program folder:
// folders of files, each a run of definitions with names, comments, includes,
// panels, and now and then "hide" or "component". Gives the bytes written.
std::int64_t WriteStockTree(const std::filesystem::path& programFolder,
                            const StockTreeShape& shape);

}  // namespace lumtrak::bench

#include "bench/stock_tree.h"

#include <fstream>
#include <string>

#include "bench/workload.h"

namespace lumtrak::bench {
namespace {

std::string Definition(int file, int definition) {
    const std::string id = std::to_string(file) + "-" + std::to_string(definition);
    std::string text = "# Stock " + id + ": rename the name line when copying it\r\n";
    text += "name Stock " + id + "\r\n";
    text += "description Generated_stock_for_the_index_benchmark\r\n";
    text += "length 600\r\nwheelbase 420\r\ncolour body 10/20/30\r\n";
    text += "include 0 150 0 Class 40 bogie\r\ninclude 0 450 0 !Class 40 bogie\r\n";
    for (int p = 0; p < 28; ++p)
        text += PanelLine(file + definition + p);
    if (definition % 5 == 4) text += "hide\r\n";
    if (definition % 7 == 6) text += "component\r\n";
    return text + "[end]\r\n";
}

}  // namespace

std::int64_t WriteStockTree(const std::filesystem::path& programFolder,
                            const StockTreeShape& shape) {
    std::int64_t written = 0;
    for (int file = 0; file < shape.files; ++file) {
        const int folder = file / shape.filesPerFolder;
        const bool underQzv = folder % 4 < shape.quarterOfFoldersUnderQzv;
        std::filesystem::path path = programFolder / (underQzv ? "QZV/Stock" : "Stock") /
                                     ("Group " + std::to_string(folder));
        // Every folder has a sub-folder of parts.
        if (file % shape.filesPerFolder >= shape.filesPerFolder * 3 / 4) path /= "Parts";
        std::filesystem::create_directories(path);
        std::string content;
        for (int d = 0; std::int64_t(content.size()) < shape.bytesPerFile; ++d)
            content += Definition(file, d);
        std::ofstream(path / ("stock" + std::to_string(file) + ".stk"), std::ios::binary)
            << content;
        written += std::int64_t(content.size());
    }
    return written;
}

}  // namespace lumtrak::bench

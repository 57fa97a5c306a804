#include "bench/workload.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/program_folder.h"

namespace lumtrak::bench {
namespace {

std::string PartName(int file, int definition) {
    return "Part " + std::to_string(file) + "-" + std::to_string(definition);
}

}  // namespace

std::string PanelLine(int i) {
    const std::string x = std::to_string(i % 90 - 45);
    const std::string y = std::to_string(i % 600);
    switch (i % 4) {
        case 0:
            return "fill " + x + " " + y + " 0 " + x + " " + y + " 30 " + x + " 30 30 " + x +
                   " 30 0 120/40/" + std::to_string(i % 256) + " [Left]\r\n";
        case 1:
            return "Fill " + x + "/" + y + "/10 45/" + y + "/10 45/600/10 " + x +
                   "/600/10 .body *Glass $\r\n";
        case 2:
            return "rect " + x + " 0 0 " + x + " " + y + " 0 " + x + " " + y + " 90 " + x +
                   " 0 90 200 200 200\r\n";
        default:
            return "fill 0 0 0 " + x + " 0 0 " + x + " " + y + " 0 0 " + y +
                   " 0 \"panel.bmp\" 255 255 255 =\r\n";
    }
}

std::string WriteWorkload(const std::filesystem::path& programFolder, const WorkloadShape& shape) {
    std::filesystem::create_directories(programFolder / "Stock");
    std::ofstream index(programFolder / "Stock Index", std::ios::binary);
    for (int file = 0; file < shape.indexFiles; ++file) {
        const std::string relative = "Stock/part" + std::to_string(file) + ".stk";
        std::ofstream stock(programFolder / relative, std::ios::binary);
        for (int d = 0; d < shape.definitionsPerFile; ++d) {
            stock << "name " << PartName(file, d) << "\r\ncolour body 10/20/30\r\n";
            for (int p = 0; p < shape.panelsPerPart; ++p)
                stock << PanelLine(p);
            stock << "[end]\r\n";
            index << PartName(file, d) << '\t' << relative << "\r\n";
        }
    }

    std::string text = "name Workload\r\nlength 600\r\ncolour body 90/90/90\r\n";
    for (int i = 0; i < shape.panels; ++i) {
        text += PanelLine(i);
        if (i % (shape.panels / shape.includes) == 0) {
            const int file = (i * 7919) % shape.indexFiles;
            text += "include 0 " + std::to_string(i % 600) + " 0 " +
                    PartName(file, i % shape.definitionsPerFile) + "\r\n";
        }
    }
    return text + "[end]\r\n";
}

namespace {

struct SharedWorkload {
    SharedWorkload() {
        folder = std::filesystem::temp_directory_path() / "lumtrak-load-benchmark";
        std::filesystem::remove_all(folder);
        text = WriteWorkload(folder, {});
        // Files changed in the last seconds are read again at every load, as
        // their modification time cannot yet tell a further change; the
        // workload's are as old as an author's files usually are.
        const auto anHourAgo =
            std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
            std::filesystem::last_write_time(entry.path(), anHourAgo);
        platform::SetProgramFolderOverride(folder.string());
    }
    ~SharedWorkload() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string text;
};

}  // namespace

const std::string& SharedWorkloadText() {
    static SharedWorkload workload;
    return workload.text;
}

std::string FillLines(std::size_t bytes) {
    std::string text;
    text.reserve(bytes + 128);
    for (int i = 0; text.size() < bytes; ++i) {
        const std::string x = std::to_string(i % 90 - 45);
        const std::string y = std::to_string(i % 6000);
        const std::string z = std::to_string(i % 300);
        text += (i % 3 == 0 ? "fill " : "\tfill ") + x + "/" + y + "/" + z + " 450/" + y + "/" + z +
                " 450/" + y + "/900 " + x + "/" + y + "/900 120/40/" + std::to_string(i % 256) +
                (i % 2 == 0 ? " [Left]\r\n" : " $\r\n");
    }
    return text;
}

}  // namespace lumtrak::bench

// The index rebuild's walk over a stock tree that the input builds: folders,
// definition files, FIFOs and links (to folders of the tree, up and round, to
// files, to "/", out of the program folder, to nothing), with names of any
// bytes. The walk must end, take each folder once, never follow a link out of
// the program folder, write only whole lines that the index reader reads back
// with paths inside the program folder, and never change the current folder.
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/index_format.h"
#include "stockindex/index_lines.h"
#include "stockindex/stock_folder_scan.h"
#include "support/temp_folder.h"

namespace {

using namespace lumtrak;
namespace fs = std::filesystem;

void Fail(const std::string& why) {
    std::fprintf(stderr, "stock tree fuzz: %s\n", why.c_str());
    std::abort();
}

// A name for a new entry: a few bytes of the input, never '/' or a zero byte.
std::string NameFrom(FuzzedDataProvider& input) {
    std::string name = input.ConsumeRandomLengthString(6);
    std::erase_if(name, [](char c) { return c == '/' || c == '\0'; });
    if (name.empty() || name == "." || name == "..") name = "n";
    return name;
}

// A new definition file; nothing when anything (a FIFO, a folder, a link) has
// the name already.
bool WriteNewFile(const std::string& path) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (file < 0) return false;
    constexpr std::string_view kContent = "name N\n";
    const bool written =
        ::write(file, kContent.data(), kContent.size()) == ssize_t(kContent.size());
    ::close(file);
    return written;
}

// Builds the tree that the input describes below program/Stock; gives the
// number of folders made (a folder that already exists is not made again).
std::size_t BuildTree(FuzzedDataProvider& input, const fs::path& program, const fs::path& outside) {
    std::vector<fs::path> folders{program / "Stock"};
    fs::create_directories(folders.front());
    std::vector<fs::path> files;
    std::error_code ignored;
    for (int op = 0; op < 64 && input.remaining_bytes() > 0; ++op) {
        const fs::path& parent =
            folders[input.ConsumeIntegralInRange<std::size_t>(0, folders.size() - 1)];
        const fs::path path = parent / NameFrom(input);
        switch (input.ConsumeIntegralInRange(0, 4)) {
            case 0:
                if (fs::create_directory(path, ignored)) folders.push_back(path);
                break;
            case 1:
                if (WriteNewFile(path.string() + (input.ConsumeBool() ? ".stk" : ""))) {
                    files.push_back(path);
                }
                break;
            case 2:
                ::mkfifo((path.string() + ".stk").c_str(), 0600);
                break;
            default: {
                const fs::path targets[] = {
                    folders[input.ConsumeIntegralInRange<std::size_t>(0, folders.size() - 1)],
                    fs::path("/"),
                    outside,
                    program / "nothing",
                    files.empty() ? program : files.back(),
                    fs::path(".."),
                    fs::path("../../.."),
                };
                const auto& target = targets[input.ConsumeIntegralInRange<std::size_t>(0, 6)];
                fs::create_symlink(target, path.string() + (input.ConsumeBool() ? ".stk" : ""),
                                   ignored);
                break;
            }
        }
    }
    return folders.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path startFolder = fs::current_path();
    const testing::TempFolder program;
    const testing::TempFolder outside;
    outside.Write("o.stk", "name Outside\n");
    FuzzedDataProvider input(data, size);
    const std::size_t folders = BuildTree(input, program.Path(), outside.Path());

    stockindex::StringIndexWriter out;
    platform::RecordingMessageSink messages;
    platform::NullStatusSink status;
    std::vector<std::string> notes;
    stockindex::IndexLayout layout(out);
    stockindex::StockFolderScan scan(program.Path().string(), layout, messages, status, notes);
    scan.ScanTree((program.Path() / "Stock").string());

    if (fs::current_path() != startFolder) Fail("the current folder changed");
    if (!out.text.empty() && !out.text.ends_with("\r\n")) Fail("a line without its end");
    std::size_t nodes = 0;
    const std::string root = program.Path().string() + "/";
    for (std::size_t at = 0; at < out.text.size();) {
        const std::size_t end = out.text.find("\r\n", at);
        const std::string line = out.text.substr(at, end - at);
        at = end + 2;
        if (line.find_first_of("\r\n") != std::string::npos) Fail("a line break inside a line");
        if (line == "NODE") ++nodes;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string path = line.substr(tab + 1);
        if (line.substr(0, tab) != "N" || !path.starts_with(root)) Fail("a stray entry: " + line);
        std::error_code error;
        const fs::path real = fs::canonical(path, error);
        if (!error && !real.string().starts_with(root)) Fail("an entry out of the program folder");
    }
    // Each folder made once at most, and the program folder, which links may lead to.
    if (nodes > folders + 1) Fail("a folder walked twice");
    for (const auto& entry : stockindex::ReadIndexEntries(out.text)) {
        if (entry.name != "N") Fail("an entry that reads back otherwise: " + entry.name);
    }
    for (const auto& message : messages.messages) {
        if (message.text != "Can't open file" &&
            message.text.rfind("Can't create file mapping", 0) != 0) {
            Fail("an unknown message: " + message.text);
        }
    }
    return 0;
}

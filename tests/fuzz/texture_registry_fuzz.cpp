// The texture registry on arbitrary texture names, one per input line, looked
// up in a fixed tree of folders: names in every case, sub-folders, links to
// files and folders (one round in a circle), a FIFO and a folder where a file
// is expected. A leading '*' registers the name without a folder of its own.
// The registry must number names as the plain list of first registrations
// does, load for each name the file that the path-based case-insensitive
// look-up finds in the first of its folders that holds one, decode each file
// once however it is spelt, never wait, and never change the current folder.
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/texture_registry.h"
#include "platform/file_lookup.h"
#include "platform/program_folder.h"
#include "platform/whole_file.h"
#include "support/temp_folder.h"

namespace {

using namespace lumtrak;
namespace fs = std::filesystem;

void Fail(const std::string& why) {
    std::fprintf(stderr, "texture registry fuzz: %s\n", why.c_str());
    std::abort();
}

// Every file holds its own path below the tree, so what was loaded tells where
// it came from.
struct Tree {
    testing::TempFolder root;
    std::string given;
    std::string document;
    std::string program;

    Tree() {
        given = root / "given";
        document = root / "document";
        program = root / "program";
        for (const char* file :
             {"given/a.bmp", "given/Sub/b.bmp", "given/sub/B.BMP", "given/#label.bmp",
              "document/a.bmp", "document/c.bmp", "document/Deep/Er/d.bmp",
              "program/Textures/e.bmp", "program/Textures/A.BMP", "program/Textures/sub/f.bmp"}) {
            root.Write(file, file);
        }
        fs::create_directories(root.Path() / "given/folder.bmp");
        ::mkfifo((root.Path() / "given/pipe.bmp").c_str(), 0600);
        ::mkfifo((root.Path() / "program/Textures/pipe2.bmp").c_str(), 0600);
        fs::create_symlink("a.bmp", root.Path() / "given/link.bmp");
        fs::create_directory_symlink("Sub", root.Path() / "given/LinkSub");
        fs::create_directory_symlink("..", root.Path() / "given/Sub/up");
        fs::create_directory_symlink(root.Path() / "program/Textures",
                                     root.Path() / "document/tex");
        platform::SetProgramFolderOverride(program);
    }
};

const Tree& TheTree() {
    static const Tree tree;
    return tree;
}

struct FakeTexture final : model::TextureObject {
    explicit FakeTexture(std::string bytes) : content(std::move(bytes)) {}
    std::size_t PictureBytes() const override { return content.size(); }
    std::string content;
};

class FakeLoader : public model::TextureLoader {
  public:
    Loaded LoadTexture(std::span<const char> fileBytes, std::size_t) override {
        std::string content(fileBytes.begin(), fileBytes.end());
        if (++loads[content] > 1) Fail("one file decoded twice: " + content);
        return {std::make_unique<FakeTexture>(content), content.size()};
    }
    std::unique_ptr<model::TextureObject> ShareTexture(
        const model::TextureObject& loaded) override {
        return std::make_unique<FakeTexture>(dynamic_cast<const FakeTexture&>(loaded).content);
    }
    std::map<std::string, int> loads;
};

// What the registry should load for name: the regular file that the path-based
// look-up finds in the first folder that holds one; nothing to compare with
// when that file lies outside the tree (files of the system, whose size may
// not tell their length).
std::optional<std::string> Expected(const std::string& root,
                                    const std::vector<std::string>& folders, std::string name) {
    for (char& c : name) {
        if (c == '\\') c = '/';
    }
    // A path ends at its first zero byte; a trailing '/' names a folder.
    name = name.substr(0, name.find('\0'));
    if (name.empty() || name.back() == '/') return "(none)";
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::string path = name.front() == '/' ? name : folder + "/" + name;
        const auto found = platform::FindPathIgnoringCase(path);
        struct stat info {};
        if (!found || ::stat(found->c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        const auto real = fs::weakly_canonical(*found).string();
        if (!real.starts_with(root + "/")) return std::nullopt;
        if (auto content = platform::ReadWholeFile(*found)) return *content;
    }
    return "(none)";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Tree& tree = TheTree();
    const fs::path startFolder = fs::current_path();
    FakeLoader loader;
    model::TextureRegistry registry;
    registry.SetLoader(&loader);
    registry.SetDocumentFolder(tree.document);
    registry.StartLoad();

    std::map<std::string, std::int16_t> numbers;
    std::int16_t count = 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start <= input.size();) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        std::string_view line = input.substr(start, end - start);
        start = end + 1;
        const bool withoutFolder = line.starts_with('*');
        if (withoutFolder) line.remove_prefix(1);
        const std::string name(line);
        const std::string folder = withoutFolder ? std::string() : tree.given;

        const std::int16_t number = registry.InternTexture(name, folder);
        auto [known, added] = numbers.try_emplace(name, std::int16_t(count + 1));
        if (added) ++count;
        if (number != known->second) Fail("another number than the first registration's");

        const auto* entry = registry.Find(number);
        if (entry == nullptr || entry->fileName != name) Fail("the entry of a number is lost");
        const std::string loaded =
            entry->texture ? dynamic_cast<const FakeTexture&>(*entry->texture).content : "(none)";
        const auto expected =
            Expected(tree.root.Path().string(),
                     {entry->folder, tree.document, tree.program + "/Textures"}, name);
        if (expected && loaded != *expected) {
            Fail("'" + name + "' loaded " + loaded + ", not " + *expected);
        }
    }
    if (fs::current_path() != startFolder) Fail("the current folder changed");
    return 0;
}

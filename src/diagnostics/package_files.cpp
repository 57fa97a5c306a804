#include "diagnostics/package_files.h"

#include <array>
#include <set>
#include <string_view>
#include <utility>

#include "platform/ascii.h"
#include "platform/file_lookup.h"
#include "platform/folder_listing.h"

namespace lumtrak::diagnostics {
namespace {

constexpr std::array<std::string_view, 2> kStockTrees = {"Stock", "QZV/Stock"};
constexpr std::array<std::string_view, 3> kExtensions = {".stk", ".stc", ".sig"};

bool IsDefinitionFile(std::string_view name) {
    for (const std::string_view extension : kExtensions) {
        if (name.size() > extension.size() &&
            platform::EqualIgnoringAsciiCase(name.substr(name.size() - extension.size()),
                                             extension)) {
            return true;
        }
    }
    return false;
}

class TreeWalk {
  public:
    explicit TreeWalk(std::vector<std::string>& files) : files_(files) {}

    void Walk(const std::string& folder) {
        const auto identity = platform::IdentifyFile(folder);
        if (identity && !walked_.emplace(identity->device, identity->inode).second) return;
        const auto entries = platform::ListFolder(folder);
        if (!entries) return;
        for (const platform::FolderEntry& entry : *entries) {
            if (entry.name.empty() || entry.name.front() == '.') continue;
            const std::string path = folder + "/" + entry.name;
            if (entry.kind == platform::FolderEntry::Kind::Folder) {
                Walk(path);
            } else if (entry.kind == platform::FolderEntry::Kind::File &&
                       IsDefinitionFile(entry.name)) {
                files_.push_back(path);
            }
        }
    }

  private:
    std::vector<std::string>& files_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> walked_;
};

}  // namespace

std::vector<std::string> PackageDefinitionFiles(const std::string& programFolder) {
    std::vector<std::string> files;
    TreeWalk walk(files);
    const std::string folder = programFolder.empty() ? "." : programFolder;
    for (const std::string_view tree : kStockTrees) {
        std::string path = folder;
        if (path.back() != '/') path += '/';
        path += tree;
        if (const auto found = platform::FindPathIgnoringCase(path)) walk.Walk(*found);
    }
    return files;
}

}  // namespace lumtrak::diagnostics

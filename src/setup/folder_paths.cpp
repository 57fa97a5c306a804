#include "setup/folder_paths.h"

#include <algorithm>
#include <filesystem>

#include "model/characters.h"
#include "platform/file_lookup.h"
#include "platform/path_parts.h"

namespace lumtrak::setup {
namespace fs = std::filesystem;

std::string AbsoluteFolder(const std::string& folder) {
    if (!folder.empty() && folder.front() == '/') return WithTrailingSlash(folder);
    std::error_code error;
    std::string current = fs::current_path(error).string();
    if (folder.empty()) return WithTrailingSlash(current);
    return WithTrailingSlash(WithTrailingSlash(current) + folder);
}

void CreateFolderLevels(const std::string& folder) {
    const auto first = folder.find('/');
    if (first == std::string::npos) return;
    for (auto slash = folder.find('/', first + 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        std::error_code ignored;
        fs::create_directory(folder.substr(0, slash), ignored);
    }
}

std::optional<std::string> FindInFolder(const std::string& folder, std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::error_code error;
    if (!fs::is_directory(folder, error)) return std::nullopt;
    return platform::FindPathIgnoringCase(WithTrailingSlash(folder) + std::string(name));
}

bool IsPlainFolder(const std::string& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::directory;
}

std::vector<std::string> NamesWithExtension(const std::string& folder, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code statusError;
        const auto type = entry->symlink_status(statusError).type();
        if (type != fs::file_type::regular && type != fs::file_type::symlink) continue;
        std::string name = entry->path().filename().string();
        if (name.size() <= extension.size()) continue;
        const std::string_view tail = std::string_view(name).substr(name.size() - extension.size());
        if (std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
                return model::ToLowerAscii(a) == model::ToLowerAscii(b);
            })) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string FolderOfChosenFile(std::string_view path) {
    return std::string(platform::FolderPrefixOf(path));
}

}  // namespace lumtrak::setup

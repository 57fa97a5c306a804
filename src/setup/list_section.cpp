#include "setup/list_section.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "setup/folder_paths.h"
#include "setup/list_file.h"
#include "setup/move_file_into.h"

namespace lumtrak::setup {
namespace fs = std::filesystem;
namespace {

// Whether every level of `relative` below base is a folder of its own, so that a
// link planted in the target cannot lead a move elsewhere.
bool IsPlainFolderChain(const std::string& base, const std::string& relative) {
    std::string path = base;
    std::size_t pos = 0;
    while (pos < relative.size()) {
        auto slash = relative.find('/', pos);
        if (slash == std::string::npos) slash = relative.size();
        path += "/" + relative.substr(pos, slash - pos);
        if (!IsPlainFolder(path)) return false;
        pos = slash + 1;
    }
    return true;
}

std::optional<std::string> ReadListFile(const std::string& folder, const Section& section,
                                        const std::string& item, InstallReport& report) {
    const auto path = FindInFolder(folder, section.list);
    if (!path) {
        report.Note(item, "list file not found, section not sorted");
        return std::nullopt;
    }
    std::error_code error;
    if (fs::symlink_status(*path, error).type() != fs::file_type::regular) {
        report.Note(item, "list file is not a plain file, section not sorted");
        return std::nullopt;
    }
    std::ifstream in(*path, std::ios::binary);
    std::ostringstream content;
    if (in.is_open()) content << in.rdbuf();
    if (!in.is_open() || in.bad()) {
        report.Note(item, "list file cannot be read, section not sorted");
        return std::nullopt;
    }
    return std::move(content).str();
}

}  // namespace

void InstallSection(const std::string& package, const std::string& target, const Section& section,
                    InstallReport& report) {
    const std::string name(section.folder);
    const std::string sectionTarget = target + name;
    std::error_code ignored;
    fs::create_directory(sectionTarget, ignored);

    const auto sectionSource = FindInFolder(package, name);
    if (!sectionSource) {
        report.Note(name, "not in the package, section not sorted");
        return;
    }
    if (!IsPlainFolder(*sectionSource)) {
        report.Note(name, "not a plain folder in the package, section not sorted");
        return;
    }
    const std::string listItem = name + "/" + std::string(section.list);
    const auto content = ReadListFile(*sectionSource, section, listItem, report);
    if (!content) return;

    // Relative to the section folder; none after an unsafe sub-folder entry, so
    // that the files listed under it stay in the package.
    std::optional<std::string> destination = "";
    for (const std::string& word : ListFileWords(*content)) {
        const ListEntry entry = ClassifyListWord(word);
        if (entry.kind == ListEntry::Kind::SubFolder) {
            destination = entry.name;
            if (entry.name.empty()) continue;
            const auto slash = entry.name.rfind('/');
            const std::string parent =
                slash == std::string::npos ? std::string() : entry.name.substr(0, slash);
            const std::string item = name + "/" + entry.name;
            if (!IsPlainFolderChain(sectionTarget, parent)) {
                report.Note(item, "folder not created: " + name + "/" + parent +
                                      " is not a folder in the install folder");
                continue;
            }
            const std::string folder = sectionTarget + "/" + entry.name;
            std::error_code error;
            fs::create_directory(folder, error);
            if (error && !IsPlainFolder(folder)) {
                report.Note(item, "folder not created: " + error.message());
            }
        } else if (entry.kind == ListEntry::Kind::Unsafe) {
            report.Note(listItem, "unsafe entry \"" + word + "\" skipped");
            if (word.front() == '/' || word.front() == '\\') destination.reset();
        } else {
            const std::string item = name + "/" + entry.name;
            if (!destination) {
                report.Note(item, "not moved: listed under an unsafe entry");
            } else if (!IsPlainFolderChain(sectionTarget, *destination)) {
                report.Note(item, "not moved: " + name + "/" + *destination +
                                      " is not a folder in the install folder");
            } else {
                const auto outcome =
                    MoveFileInto(*sectionSource, sectionTarget + "/" + *destination, entry.name);
                if (!outcome.Moved()) report.Note(item, outcome.Describe());
            }
        }
    }
}

}  // namespace lumtrak::setup

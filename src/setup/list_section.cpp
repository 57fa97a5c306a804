#include "setup/list_section.h"

#include <filesystem>
#include <optional>

#include "platform/path_parts.h"
#include "platform/whole_file.h"
#include "setup/folder_paths.h"
#include "setup/list_file.h"

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

// The section's list file; nothing (noted) when it is missing or not a plain
// file.
std::optional<std::string> ListFilePath(const std::string& folder, const Section& section,
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
    return path;
}

// Walks a section's list: sub-folder words select (and create) the destination,
// file words move files into it.
class ListSorter {
  public:
    ListSorter(const std::string& sectionSource, const std::string& sectionTarget,
               const std::string& name, const std::string& listItem, PlacedFiles& placed,
               InstallReport& report)
        : source_(sectionSource),
          target_(sectionTarget),
          name_(name),
          listItem_(listItem),
          placed_(placed),
          report_(report) {}

    void Handle(std::string_view word) {
        const ListEntry entry = ClassifyListWord(word);
        switch (entry.kind) {
            case ListEntry::Kind::SubFolder:
                SelectSubFolder(entry.name);
                break;
            case ListEntry::Kind::Unsafe:
                report_.Note(listItem_, "unsafe entry \"" + std::string(word) + "\" skipped");
                if (word.front() == '/' || word.front() == '\\') destination_.reset();
                break;
            case ListEntry::Kind::File:
                MoveListedFile(entry.name);
                break;
        }
    }

  private:
    void SelectSubFolder(const std::string& folder) {
        destination_ = folder;
        if (folder.empty()) return;
        const std::string_view prefix = platform::FolderPrefixOf(folder);
        const std::string parent(prefix.substr(0, prefix.empty() ? 0 : prefix.size() - 1));
        const std::string item = name_ + "/" + folder;
        if (!IsPlainFolderChain(target_, parent)) {
            report_.Note(item, "folder not created: " + name_ + "/" + parent +
                                   " is not a folder in the install folder");
            return;
        }
        const std::string path = target_ + "/" + folder;
        std::error_code error;
        fs::create_directory(path, error);
        if (error && !IsPlainFolder(path)) {
            report_.Note(item, "folder not created: " + error.message());
        }
    }

    void MoveListedFile(const std::string& file) {
        const std::string item = name_ + "/" + file;
        if (!destination_) {
            report_.Note(item, "not moved: listed under an unsafe entry");
        } else if (!IsPlainFolderChain(target_, *destination_)) {
            report_.Note(item, "not moved: " + name_ + "/" + *destination_ +
                                   " is not a folder in the install folder");
        } else {
            const auto outcome =
                MoveFileInto(source_, target_ + "/" + *destination_, file, &placed_);
            if (!outcome.Moved()) report_.Note(item, outcome.Describe());
        }
    }

    const std::string& source_;
    const std::string& target_;
    const std::string& name_;
    const std::string& listItem_;
    PlacedFiles& placed_;
    InstallReport& report_;
    // Relative to the section folder; none after an unsafe sub-folder entry, so
    // that the files listed under it stay in the package.
    std::optional<std::string> destination_ = "";
};

}  // namespace

void InstallSection(const std::string& package, const std::string& target, const Section& section,
                    PlacedFiles& placed, InstallReport& report) {
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
    if (!IsPlainFolder(sectionTarget)) {
        report.Note(name,
                    "not a folder of its own in the install folder (a link?), section not sorted");
        return;
    }
    const std::string listItem = name + "/" + std::string(section.list);
    const auto listPath = ListFilePath(*sectionSource, section, listItem, report);
    if (!listPath) return;
    platform::RegularFileReader list(*listPath);
    if (list.OpenError()) {
        report.Note(listItem, "list file cannot be read, section not sorted");
        return;
    }

    ListSorter sorter(*sectionSource, sectionTarget, name, listItem, placed, report);
    ListWordReader words([&list](std::span<char> into) { return list.ReadSome(into); });
    while (const auto word = words.Next())
        sorter.Handle(*word);
    if (words.Failed()) report.Note(listItem, "list file could not be read to its end");
}

}  // namespace lumtrak::setup

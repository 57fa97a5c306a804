#pragma once

#include <string>
#include <utility>

#include "platform/folder_lookup.h"

namespace lumtrak::model {

// The folder that included parts are looked up in (the program folder, where
// "Stock Index" is and what relative index paths are taken against), opened
// once per load, with the look-up that lists each folder once per load.
struct IncludeFolder {
    IncludeFolder() = default;
    explicit IncludeFolder(std::string folderPath)
        : path(std::move(folderPath)), folder(platform::Folder::Open(path)) {}

    std::string path;
    platform::Folder folder;
    platform::FolderLookup lookup;
};

}  // namespace lumtrak::model

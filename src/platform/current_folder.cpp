#include "platform/current_folder.h"

#include <unistd.h>

#include <vector>

namespace lumtrak::platform {

namespace {

std::uint64_t changes = 0;

}  // namespace

bool ChangeCurrentFolder(const std::string& folder) {
    ++changes;
    return ::chdir(folder.c_str()) == 0;
}

std::uint64_t CurrentFolderChanges() {
    return changes;
}

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

}  // namespace lumtrak::platform

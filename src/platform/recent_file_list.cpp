#include "platform/recent_file_list.h"

#include <algorithm>

namespace lumtrak::platform {
namespace {

constexpr const char* kGroup = "Recent File List";

std::string EntryKey(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

void RecentFileList::Read(SettingsStore& settings) {
    entries_.clear();
    for (std::size_t i = 0; i < capacity_; ++i) {
        const std::optional<std::string> path = settings.Read(kGroup, EntryKey(i));
        if (!path || path->empty()) continue;
        if (std::find(entries_.begin(), entries_.end(), *path) == entries_.end()) {
            entries_.push_back(*path);
        }
    }
}

void RecentFileList::Write(SettingsStore& settings) const {
    // Slots past the last entry are written empty, so that entries removed since
    // the last write do not come back.
    for (std::size_t i = 0; i < capacity_; ++i) {
        settings.Write(kGroup, EntryKey(i), i < entries_.size() ? entries_[i] : std::string());
    }
}

void RecentFileList::Add(const std::string& path) {
    if (capacity_ == 0 || path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_) entries_.resize(capacity_);
}

void RecentFileList::Remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + std::ptrdiff_t(index));
}

}  // namespace lumtrak::platform

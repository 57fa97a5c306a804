#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace lumtrak::platform {

// The most recently used files, newest first, kept in the settings as
// "Recent File List"/"File1" to "FileN".
class RecentFileList {
  public:
    explicit RecentFileList(std::size_t capacity) : capacity_(capacity) {}

    void Read(SettingsStore& settings);
    void Write(SettingsStore& settings) const;

    // Puts path at the top; an entry for the same path moves there and the
    // oldest entry drops out when the list is full.
    void Add(const std::string& path);
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::size_t capacity_;
    std::vector<std::string> entries_;
};

}  // namespace lumtrak::platform

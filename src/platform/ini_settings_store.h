#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "platform/settings_store.h"

namespace lumtrak::platform {

// Settings kept in an INI file that the Qt windows read and write as their own
// (see platform/ini_text.h): a write changes the key's line and keeps every
// other byte, and replaces the file through the kit's file replacement,
// making its folder when it is missing.
class IniSettingsStore : public SettingsStore {
  public:
    explicit IniSettingsStore(std::string path) : path_(std::move(path)) {}

    // The per-user file of an organisation's application:
    // $XDG_CONFIG_HOME/ORGANISATION/APPLICATION.conf, or under ~/.config when
    // XDG_CONFIG_HOME is not set.
    static std::string UserFilePath(std::string_view organisation, std::string_view application);

    std::optional<std::string> Read(const std::string& group, const std::string& key) override;
    void Write(const std::string& group, const std::string& key, const std::string& value) override;

    const std::string& Path() const { return path_; }
    // Why the last write did not reach the file; empty when it did.
    const std::error_code& WriteError() const { return writeError_; }

  private:
    std::string path_;
    std::error_code writeError_;
};

}  // namespace lumtrak::platform

#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace lumtrak::platform {

// Where the kit's programs keep their settings: one organisation, and an
// application name for the installation paths and one for the editor.
inline constexpr const char* kSettingsOrganisation = "Halbern";
inline constexpr const char* kInstallSettingsApplication = "Lumtrak";
inline constexpr const char* kEditorSettingsApplication = "Lumtrak Stock Editor";

// The installation paths that the installer records (application "Lumtrak"):
// group and keys.
inline constexpr const char* kPathsGroup = "Paths";
inline constexpr const char* kProgramKey = "Program";
inline constexpr const char* kStockKey = "Stock";
inline constexpr const char* kStockEditorKey = "Stock Editor";

// Persistent settings as groups of named text values. The shells keep them with
// QSettings; tests use the in-memory store.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Read(const std::string& group, const std::string& key) = 0;
    virtual void Write(const std::string& group, const std::string& key,
                       const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> Read(const std::string& group, const std::string& key) override {
        auto found = values.find({group, key});
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void Write(const std::string& group, const std::string& key,
               const std::string& value) override {
        values[{group, key}] = value;
    }
    std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace lumtrak::platform

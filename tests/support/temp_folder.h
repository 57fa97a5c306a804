#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumtrak::testing {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(std::string_view relative) const { return (path_ / relative).string(); }

    // Writes bytes to a file below the folder, creating its folders.
    std::string Write(std::string_view relative, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace lumtrak::testing

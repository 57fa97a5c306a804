#pragma once

#include <string>
#include <string_view>

namespace lumtrak::platform {

// A new version of a file, written to a temporary file beside it and renamed
// over it only when complete, so that a crash or a failed write never leaves the
// file missing or half written. Writes are buffered; a failed write is
// remembered and makes Commit fail. A file that is never committed is removed.
class ReplacementFile {
  public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates temporaryPath anew (whatever stood there is removed first; no link
    // is followed) to replace targetPath. False when it cannot be created.
    bool Create(std::string targetPath, std::string temporaryPath);

    void Write(std::string_view bytes);

    // Writes what is buffered, flushes it to disk and renames the temporary
    // file over the target. False, with the temporary file removed and the
    // target unchanged, when any step failed.
    bool Commit();

    const std::string& TemporaryPath() const { return temporaryPath_; }

  private:
    bool Flush();
    void Discard();

    static constexpr std::size_t kBufferSize = 1 << 16;

    int handle_ = -1;
    bool failed_ = false;
    std::string targetPath_;
    std::string temporaryPath_;
    std::string buffer_;
};

}  // namespace lumtrak::platform

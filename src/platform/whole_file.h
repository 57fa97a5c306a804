#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace lumtrak::platform {

// Why OpenRegularFile refused something that is neither a folder nor missing.
std::error_code NotARegularFileError();

// Opens a file for reading without ever blocking: a FIFO, a device, a socket or
// a folder is refused like a file that cannot be opened, since opening or
// reading one could wait forever. Gives the descriptor of a regular file, or -1
// with error telling why; size, when given, receives the file's size.
int OpenRegularFile(const std::string& path, std::error_code& error, std::int64_t* size = nullptr);
int OpenRegularFile(const std::string& path);
// The same for a path relative to an open folder (openat).
int OpenRegularFileAt(int folder, const std::string& path, std::error_code& error,
                      std::int64_t* size = nullptr);

// The whole content of the regular file at path, read as raw bytes, or nothing
// when it cannot be opened (see OpenRegularFile) or read; error, when given,
// tells why.
std::optional<std::string> ReadWholeFile(const std::string& path, std::error_code* error = nullptr);

// Reads the first into.size() bytes of an open file; false when it holds fewer
// (it may have shrunk since its size was taken) or cannot be read.
bool ReadExactly(int handle, std::span<char> into);

// Everything left to read from an open file (standard input: 0), appended to
// content.
std::error_code ReadToEnd(int handle, std::string& content);

// A regular file opened as OpenRegularFile opens it, read a piece at a time and
// closed with the object.
class RegularFileReader {
  public:
    explicit RegularFileReader(const std::string& path);
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;
    ~RegularFileReader();

    // Why the file could not be opened; nothing when it is open.
    const std::error_code& OpenError() const { return openError_; }
    // Reads the next bytes into `into`: how many, 0 at the end of the file, -1
    // when reading fails.
    std::ptrdiff_t ReadSome(std::span<char> into);

  private:
    int handle_ = -1;
    std::error_code openError_;
};

}  // namespace lumtrak::platform

#pragma once

#include <utility>

namespace lumtrak::platform {

// An open file or folder descriptor, closed with the object.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.descriptor_, -1));
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Reset(); }

    bool IsOpen() const { return descriptor_ >= 0; }
    int Get() const { return descriptor_; }
    // Gives the descriptor up to the caller, who closes it.
    int Release() { return std::exchange(descriptor_, -1); }
    void Reset(int descriptor = -1);

  private:
    int descriptor_ = -1;
};

}  // namespace lumtrak::platform

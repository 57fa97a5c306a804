#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

#include "platform/ascii.h"
#include "platform/file_lookup.h"
#include "platform/whole_file.h"

namespace lumtrak::platform {
namespace {

// The error code of the original platform for mapping an empty file.
constexpr int kErrorFileInvalid = 1006;

void CloseHandle(MappedFile& file) {
    if (file.fileHandle >= 0) ::close(file.fileHandle);
    file.fileHandle = -1;
}

void ReleaseView(MappedFile& file) {
    if (file.mappedBase != nullptr) ::munmap(file.mappedBase, file.mappedLength);
    file.mappedBase = nullptr;
    file.mappedLength = 0;
    file.copy.reset();
    file.view = nullptr;
}

bool ReadWhole(int handle, char* into, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = ::pread(handle, into + done, size - done, off_t(done));
        if (got <= 0) return false;
        done += std::size_t(got);
    }
    return true;
}

// Opens the file at path, found without regard to case. Nearly every path names
// the file as it stands on disk, so that is tried first: the look-up by case
// costs a walk over the path even when the file is there.
int OpenOnDisk(const std::string& path, std::int64_t& size) {
    std::error_code ignored;
    const int handle = OpenRegularFile(path, ignored, &size);
    if (handle >= 0) return handle;
    const auto onDisk = FindPathIgnoringCase(path);
    return onDisk && *onDisk != path ? OpenRegularFile(*onDisk, ignored, &size) : -1;
}

}  // namespace

std::string_view TrimPath(std::string_view path) {
    return Trim(path, " \t\r\n");
}

MappedFile::~MappedFile() {
    CloseMappedFile(*this);
}

void OpenMappedFile(std::string path, MappedFile& file, bool showOpenError, MessageSink& messages) {
    const std::string trimmed(TrimPath(path));
    CloseHandle(file);

    // A folder, a FIFO or a device is a file that can't be opened.
    std::int64_t size = 0;
    const int handle = OpenOnDisk(trimmed, size);
    if (handle < 0) {
        if (showOpenError) messages.Show(trimmed, kCantOpenFile);
        return;
    }
    file.fileHandle = handle;
    file.size = static_cast<std::uint32_t>(size);

    ReleaseView(file);
    file.mapping = false;
    if (file.size == 0) {
        CloseHandle(file);
        messages.Show(trimmed, std::string(kCantCreateFileMapping) +
                                   std::to_string(kErrorFileInvalid) + " 0 0");
        return;
    }
    file.mapping = true;

    // A mapping supplies the zero byte after the content only when the content
    // ends inside a page: the kernel fills the rest of that page with zeros.
    const long page = ::sysconf(_SC_PAGESIZE);
    if (page > 0 && file.size % std::uint32_t(page) != 0) {
        void* base = ::mmap(nullptr, file.size, PROT_READ, MAP_PRIVATE, handle, 0);
        if (base != MAP_FAILED) {
            file.mappedBase = base;
            file.mappedLength = file.size;
            file.view = static_cast<const char*>(base);
            return;
        }
    }
    auto copy = std::make_unique<char[]>(std::size_t(file.size) + 1);
    if (!ReadWhole(handle, copy.get(), file.size)) {
        messages.Show(trimmed, kCantMapFileView);
        return;
    }
    copy[file.size] = '\0';
    file.copy = std::move(copy);
    file.view = file.copy.get();
}

void CloseMappedFile(MappedFile& file) {
    ReleaseView(file);
    file.size = 0;
    file.mapping = false;
    CloseHandle(file);
}

}  // namespace lumtrak::platform

#include "stockindex/folder_files_reader.h"

#include <utility>

namespace lumtrak::stockindex {

FolderFilesReader::FolderFilesReader(std::size_t largest) : largest_(largest) {
    if (std::thread::hardware_concurrency() > 1) helper_ = std::thread([this] { Helper(); });
}

FolderFilesReader::~FolderFilesReader() {
    if (!helper_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    helper_.join();
}

std::vector<FileNames> FolderFilesReader::Read(int folder, const std::vector<File>& files) {
    std::vector<FileNames> results(files.size());
    // A folder of one file is read at once.
    if (!helper_.joinable() || files.size() < 2) {
        folder_ = folder;
        files_ = &files;
        results_ = &results;
        next_ = 0;
        ReadBatch(buffer_);
        return results;
    }
    std::size_t batch = 0;
    {
        const std::lock_guard lock(mutex_);
        folder_ = folder;
        files_ = &files;
        results_ = &results;
        next_ = 0;
        batch = ++batch_;
    }
    changed_.notify_all();
    std::exception_ptr failure;
    try {
        ReadBatch(buffer_);
    } catch (...) {
        failure = std::current_exception();
    }
    // The helper is done with the batch before it goes out of scope, whatever
    // happened here.
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return helperDone_ == batch; });
    if (!failure) failure = std::exchange(failure_, nullptr);
    if (failure) std::rethrow_exception(failure);
    return results;
}

void FolderFilesReader::ReadBatch(platform::FileBuffer& buffer) {
    for (;;) {
        std::size_t index = 0;
        {
            const std::lock_guard lock(mutex_);
            if (next_ >= files_->size()) return;
            index = next_++;
        }
        const File& file = (*files_)[index];
        FileNames& result = (*results_)[index];
        platform::RecordingMessageSink messages;
        const auto content = platform::ReadMappedFileAt(
            folder_, file.name, file.path, true, largest_, result.tooLarge, buffer, messages);
        if (content) result.names = IndexedNames(*content);
        result.messages = std::move(messages.messages);
    }
}

void FolderFilesReader::Helper() {
    platform::FileBuffer buffer;
    std::size_t done = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stopping_ || batch_ != done; });
            if (stopping_) return;
            done = batch_;
        }
        try {
            ReadBatch(buffer);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
        }
        {
            const std::lock_guard lock(mutex_);
            helperDone_ = done;
        }
        changed_.notify_all();
    }
}

}  // namespace lumtrak::stockindex

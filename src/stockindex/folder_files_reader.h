#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/mapped_file.h"
#include "platform/message_sink.h"
#include "stockindex/definition_file_names.h"

namespace lumtrak::stockindex {

// What the rebuild takes from one definition file: its indexed names, the
// messages its reading showed, and whether it was passed over as too large.
struct FileNames {
    std::vector<IndexedName> names;
    std::vector<platform::Message> messages;
    bool tooLarge = false;
};

// Reads and indexes the stock files of one folder at a time, on two threads
// where the machine has more than one core: the reading of a tree is most of
// a rebuild's work, and each file stands on its own. The results come back in
// the order of the files, so the index is written as one thread writes it.
class FolderFilesReader {
  public:
    // Files larger than largest are not read.
    explicit FolderFilesReader(std::size_t largest);
    ~FolderFilesReader();
    FolderFilesReader(const FolderFilesReader&) = delete;
    FolderFilesReader& operator=(const FolderFilesReader&) = delete;

    struct File {
        std::string name;  // in the folder
        std::string path;  // as messages name it
    };
    // The files of folder (a descriptor open while this runs), read in turn
    // by both threads.
    std::vector<FileNames> Read(int folder, const std::vector<File>& files);

  private:
    // Takes the next file of the batch and reads it, until none is left.
    void ReadBatch(platform::FileBuffer& buffer);
    void Helper();

    const std::size_t largest_;
    platform::FileBuffer buffer_;  // the calling thread's

    // The batch in hand, and the helper's part in it.
    std::mutex mutex_;
    std::condition_variable changed_;
    int folder_ = -1;
    const std::vector<File>* files_ = nullptr;
    std::vector<FileNames>* results_ = nullptr;
    std::size_t next_ = 0;
    std::size_t batch_ = 0;       // counts batches, so that the helper takes each once
    std::size_t helperDone_ = 0;  // the last batch the helper finished
    std::exception_ptr failure_;
    bool stopping_ = false;
    std::thread helper_;
};

}  // namespace lumtrak::stockindex

#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <string_view>

#include "platform/mapped_file.h"
#include "platform/message_sink.h"

namespace lumtrak::stockindex {

// How the reading of one file went: the messages it showed, whether it was
// passed over as too large, and whether its content was handed on.
struct FileReading {
    std::vector<platform::Message> messages;
    bool tooLarge = false;
    bool read = false;
};

// Takes the content of file index of a batch, valid for the call. It is called
// on both threads at once for different files: it touches only what belongs
// to that file.
using ContentReader = std::function<void(std::size_t index, std::string_view content)>;

// Reads the stock files of one folder at a time, on two threads where the
// machine has more than one core: the reading of a tree is most of a walk's
// work, and each file stands on its own. The results come back in the order
// of the files, so that what is made of them is written as one thread writes it.
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
    // by both threads, each file's content handed to take.
    std::vector<FileReading> Read(int folder, const std::vector<File>& files,
                                  const ContentReader& take);

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
    const ContentReader* take_ = nullptr;
    std::vector<FileReading>* results_ = nullptr;
    std::size_t next_ = 0;
    std::size_t batch_ = 0;       // counts batches, so that the helper takes each once
    std::size_t helperDone_ = 0;  // the last batch the helper finished
    std::exception_ptr failure_;
    bool stopping_ = false;
    std::thread helper_;
};

}  // namespace lumtrak::stockindex

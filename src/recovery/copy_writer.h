#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "recovery/recovery_copy.h"
#include "recovery/recovery_folder.h"

namespace lumtrak::recovery {

// Writes and removes a run's recovery copies on a thread of its own, in the
// order asked, so that whoever asks never waits for the disk. A write takes
// the text by value: the caller's buffer may change at once.
class CopyWriter {
  public:
    // Told, on the writer's thread, how each write went.
    using Report = std::function<void(std::uint64_t number, std::error_code error)>;

    CopyWriter(const RecoveryFolder& folder, Report report);
    // Does what is asked already, then ends the thread.
    ~CopyWriter();
    CopyWriter(const CopyWriter&) = delete;
    CopyWriter& operator=(const CopyWriter&) = delete;

    // A write of copy number that is still waiting takes the newer text
    // instead; one that has begun is followed by this one.
    void Write(std::uint64_t number, CopyHeader header, std::string text);
    // Drops the waiting write of copy number and removes the copy after any
    // write of it that has begun.
    void Remove(std::uint64_t number);
    // Waits until all that was asked is done.
    void Flush();

  private:
    struct Job {
        std::uint64_t number = 0;
        bool remove = false;
        CopyHeader header;
        std::string text;
    };

    void Work();

    const RecoveryFolder& folder_;
    Report report_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace lumtrak::recovery

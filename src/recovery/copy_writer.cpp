#include "recovery/copy_writer.h"

#include <algorithm>

namespace lumtrak::recovery {

CopyWriter::CopyWriter(const RecoveryFolder& folder, Report report)
    : folder_(folder), report_(std::move(report)), thread_([this] { Work(); }) {}

CopyWriter::~CopyWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void CopyWriter::Write(std::uint64_t number, CopyHeader header, std::string text) {
    {
        std::lock_guard lock(mutex_);
        const auto waiting = std::find_if(jobs_.begin(), jobs_.end(), [&](const Job& job) {
            return job.number == number && !job.remove;
        });
        if (waiting != jobs_.end()) {
            waiting->header = std::move(header);
            waiting->text = std::move(text);
            return;
        }
        jobs_.push_back({number, false, std::move(header), std::move(text)});
    }
    changed_.notify_all();
}

void CopyWriter::Remove(std::uint64_t number) {
    {
        std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [&](const Job& job) { return job.number == number; });
        jobs_.push_back({number, true, {}, {}});
    }
    changed_.notify_all();
}

void CopyWriter::Flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void CopyWriter::Work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, with nothing left to do
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        if (job.remove) {
            folder_.RemoveCopy(job.number);
        } else {
            const std::error_code error = folder_.WriteCopy(job.number, job.header, job.text);
            if (report_) report_(job.number, error);
        }
        // The text goes before the lock is taken again: freeing megabytes
        // need not keep the asking thread waiting.
        job = {};
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

}  // namespace lumtrak::recovery

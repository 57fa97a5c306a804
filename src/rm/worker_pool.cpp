#include "rm/worker_pool.h"

#include <algorithm>

namespace lumtrak::rm {

WorkerPool::WorkerPool(int workers) {
    if (workers < 1) workers = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    for (int i = 1; i < workers; ++i)
        threads_.emplace_back([this, i] { Work(i); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (auto& thread : threads_)
        thread.join();
}

void WorkerPool::RunErased(void (*call)(void*, int), void* context) {
    if (threads_.empty()) {
        call(context, 0);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        call_ = call;
        context_ = context;
        unfinished_ = int(threads_.size());
        ++generation_;
    }
    wake_.notify_all();
    call(context, 0);
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return unfinished_ == 0; });
}

void WorkerPool::Work(int worker) {
    std::uint64_t seen = 0;
    for (;;) {
        void (*call)(void*, int) = nullptr;
        void* context = nullptr;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
            call = call_;
            context = context_;
        }
        call(context, worker);
        {
            std::lock_guard lock(mutex_);
            --unfinished_;
        }
        done_.notify_one();
    }
}

}  // namespace lumtrak::rm

#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace lumtrak::rm {

// A few threads that stay for the engine's life and share the rendering: Run
// hands the same job to every worker, the calling thread being worker 0, and
// returns when all of them have finished it.
class WorkerPool {
  public:
    // workers below 1 means one per processor, at most 8.
    explicit WorkerPool(int workers = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int Size() const { return int(threads_.size()) + 1; }

    // job(worker index) for every index from 0 to Size() - 1.
    template <typename Job>
    void Run(Job&& job) {
        auto call = [](void* context, int worker) { (*static_cast<Job*>(context))(worker); };
        RunErased(call, &job);
    }

  private:
    void RunErased(void (*call)(void*, int), void* context);
    void Work(int worker);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::uint64_t generation_ = 0;
    int unfinished_ = 0;
    bool stopping_ = false;
    void (*call_)(void*, int) = nullptr;
    void* context_ = nullptr;
};

}  // namespace lumtrak::rm

#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace lumtrak::testing {

// Runs work on a thread of its own and waits for it at most `limit`; gives
// whether it finished. Work that is still waiting then is released with
// unblock (for example by opening the other end of the FIFO it waits on) and,
// should it still not finish, left behind rather than waited for.
inline bool FinishesWithin(std::chrono::milliseconds limit, std::function<void()> work,
                           const std::function<void()>& unblock = {}) {
    struct State {
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
    };
    auto state = std::make_shared<State>();
    std::thread worker([state, work = std::move(work)] {
        work();
        std::lock_guard lock(state->mutex);
        state->done = true;
        state->finished.notify_all();
    });
    auto waitFor = [&](std::chrono::milliseconds time) {
        std::unique_lock lock(state->mutex);
        return state->finished.wait_for(lock, time, [&] { return state->done; });
    };
    if (waitFor(limit)) {
        worker.join();
        return true;
    }
    if (unblock) unblock();
    if (waitFor(std::chrono::seconds(1))) {
        worker.join();
    } else {
        worker.detach();
    }
    return false;
}

}  // namespace lumtrak::testing

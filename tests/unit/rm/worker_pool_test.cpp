#include "rm/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace lumtrak::rm {
namespace {

TEST(WorkerPool, EveryWorkerRunsEachJobOnceAndRunWaitsForAll) {
    for (int size : {1, 3}) {
        WorkerPool pool(size);
        ASSERT_EQ(pool.Size(), size);
        for (int round = 0; round < 50; ++round) {
            std::vector<std::atomic<int>> runs(static_cast<std::size_t>(size));
            pool.Run([&](int worker) { ++runs[static_cast<std::size_t>(worker)]; });
            for (const auto& count : runs)
                EXPECT_EQ(count.load(), 1);
        }
    }
}

}  // namespace
}  // namespace lumtrak::rm

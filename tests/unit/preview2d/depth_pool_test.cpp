#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "preview2d/depth_pool.h"

namespace lumtrak::preview2d {
namespace {

using ::testing::ElementsAre;

DepthRecord Keyed(std::int16_t z, std::int16_t k, Colour tag) {
    DepthRecord record;
    record.depthZ = z;
    record.depthK = k;
    record.colour = tag;
    return record;
}

std::vector<Colour> DrawingOrder(const DepthPool& pool) {
    std::vector<Colour> order;
    pool.VisitInOrder([&](const DepthRecord& record) { order.push_back(record.colour); });
    return order;
}

TEST(DepthPool, OrdersByHeightThenFarthestBackAndKeepsEqualKeysInInsertionOrder) {
    DepthPool pool;
    pool.Insert(Keyed(0, 0, 1));
    pool.Insert(Keyed(0, 5, 2));    // same height, further back: before 1
    pool.Insert(Keyed(-1, -9, 3));  // lower: first of all
    pool.Insert(Keyed(0, 0, 4));    // equal keys: after 1
    pool.Insert(Keyed(7, 100, 5));
    pool.Insert(Keyed(0, 0, 6));
    pool.Insert(Keyed(-1, 20, 7));
    EXPECT_EQ(pool.Count(), 7u);
    EXPECT_THAT(DrawingOrder(pool), ElementsAre(7, 3, 2, 1, 4, 6, 5));
}

TEST(DepthPool, HoldsAtMost510AndDropsTheRest) {
    DepthPool pool;
    // Equal keys make the deepest tree: a chain of 510 entries.
    for (Colour i = 0; i < 510; ++i)
        EXPECT_TRUE(pool.Insert(Keyed(3, 3, i)));
    EXPECT_FALSE(pool.Insert(Keyed(-5, 0, 999)));
    EXPECT_EQ(pool.Count(), 510u);
    const auto order = DrawingOrder(pool);
    ASSERT_EQ(order.size(), 510u);
    for (Colour i = 0; i < 510; ++i)
        EXPECT_EQ(order[i], i);

    pool.Clear();
    EXPECT_EQ(pool.Count(), 0u);
    EXPECT_TRUE(DrawingOrder(pool).empty());
    EXPECT_TRUE(pool.Insert(Keyed(0, 0, 1)));
    EXPECT_THAT(DrawingOrder(pool), ElementsAre(1));
}

}  // namespace
}  // namespace lumtrak::preview2d

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/foundation/Cache.h"
#include "platform/foundation/Error.h"

TEST(Cache, LimitsEvictTheOldestEntries) {
    auto cache = ns::Cache::create();
    cache->setCountLimit(2);
    cache->setObject("1", "a");
    cache->setObject("2", "b");
    cache->setObject("1 again", "a");  // storing again makes "a" the newest
    cache->setObject("3", "c");
    EXPECT_TRUE(cache->objectForKey("b").isNil());
    EXPECT_EQ(cache->objectForKey("a").asString(), "1 again");
    EXPECT_EQ(cache->objectForKey("c").asString(), "3");

    cache->setCountLimit(0);
    cache->setTotalCostLimit(10);
    cache->setObject(1, "x", 6);
    cache->setObject(2, "y", 4);
    EXPECT_EQ(cache->count(), 4u);
    cache->setObject(3, "z", 5);  // 15 > 10: the oldest go until the cost fits
    EXPECT_TRUE(cache->objectForKey("a").isNil());
    EXPECT_TRUE(cache->objectForKey("x").isNil());
    EXPECT_EQ(cache->totalCost(), 9u);
    cache->setCountLimit(1);  // lowering a limit applies at once
    EXPECT_EQ(cache->count(), 1u);
    EXPECT_EQ(cache->objectForKey("z").intValue(), 3);

    cache->setObject(ns::Value(), "z");  // nil removes
    EXPECT_EQ(cache->count(), 0u);
    cache->setObject(ns::Error::create("d", 1), "err");
    EXPECT_EQ(cache->objectForKey("err").as<ns::Error>()->domain(), "d");
    cache->removeAllObjects();
    EXPECT_EQ(cache->count(), 0u);
    EXPECT_EQ(cache->totalCost(), 0u);
}

TEST(Cache, ConcurrentUseKeepsTheLimits) {
    auto cache = ns::Cache::create();
    cache->setCountLimit(50);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([cache, t] {
            for (int i = 0; i < 2000; ++i) {
                std::string key = std::to_string((t * 7 + i) % 120);
                cache->setObject(i, key, 1);
                cache->objectForKey(key);
                if (i % 97 == 0) cache->removeObjectForKey(key);
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_LE(cache->count(), 50u);
    EXPECT_EQ(cache->totalCost(), cache->count());
}

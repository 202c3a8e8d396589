#include "platform/foundation/ScopedTimer.h"

#include <gtest/gtest.h>

#include "platform/foundation/Object.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;

// An owner that polls through its member timer, capturing only `this`.
class Poller : public ns::Object {
public:
    explicit Poller(int& polls) : polls_(polls) {}
    void startPolling(double interval) {
        timer.start(interval, true, [this] { ++polls_; });
    }
    ns::ScopedTimer timer;

private:
    int& polls_;
};

TEST(ScopedTimerTest, FiresOnTheVirtualClockUntilStoppedOrRestarted) {
    int once = 0;
    ns::ScopedTimer oneShot;
    oneShot.start(5.0, false, [&] { ++once; });
    advance(4.9);
    EXPECT_EQ(once, 0);
    EXPECT_TRUE(oneShot.isRunning());
    advance(0.2);
    EXPECT_EQ(once, 1);
    EXPECT_FALSE(oneShot.isRunning()) << "a one-shot timer stops after firing";

    int polls = 0, replaced = 0;
    ns::ScopedTimer repeating;
    repeating.start(1.0, true, [&] { ++replaced; });
    repeating.start(2.0, true, [&] { ++polls; });  // the earlier schedule is gone
    advance(6.5);
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(polls, 3);
    repeating.stop();
    advance(10);
    EXPECT_EQ(polls, 3);
    EXPECT_FALSE(repeating.isRunning());
}

TEST(ScopedTimerTest, RetainsNoOwnerAndStopsWhenTheOwnerIsFreed) {
    int polls = 0;
    auto owner = std::make_shared<Poller>(polls);
    owner->startPolling(1.0);
    advance(2.5);
    EXPECT_EQ(polls, 2);

    std::weak_ptr<Poller> weak = owner;
    owner.reset();
    EXPECT_TRUE(weak.expired()) << "the pending timer must not keep its owner alive";
    advance(10);
    EXPECT_EQ(polls, 2) << "a freed owner's timer never fires again";
}

TEST(ScopedTimerTest, BlockMayFreeItsOwner) {
    int polls = 0;
    auto owner = std::make_shared<Poller>(polls);
    owner->timer.start(1.0, false, [&owner] { owner.reset(); });
    advance(1.5);
    EXPECT_FALSE(owner);
    advance(5);
    EXPECT_EQ(polls, 0);
}

}  // namespace

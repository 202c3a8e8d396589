#include "platform/foundation/NotificationCenter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::runMainLoopUntil;

TEST(NotificationCenterTest, EveryMatchingRegistrationIsDeliveredOnce) {
    auto center = ns::NotificationCenter::defaultCenter();
    auto observer = std::make_shared<ns::Object>();
    auto sender = std::make_shared<ns::Object>();
    auto otherSender = std::make_shared<ns::Object>();
    std::vector<std::string> got;
    auto record = [&](const std::string& who) { return [&, who](const ns::NotificationPtr&) { got.push_back(who); }; };
    const auto& name = ns::UIApplicationDidEnterBackgroundNotification;
    center->addObserver(observer, record("target 1"), name);
    center->addObserver(observer, record("target 2"), name);  // same observer twice: two deliveries
    center->addObserver(observer, record("sender only"), name, ns::Value(sender));
    auto token = center->addObserverForName(name, ns::Value("router-1"), nullptr, record("string sender"));
    auto any = center->addObserverForName("", {}, nullptr, record("any name"));

    struct Case {
        std::string name;
        ns::Value object;
        std::vector<std::string> expected;
    };
    std::vector<Case> cases = {
        {name, {}, {"target 1", "target 2", "any name"}},
        {name, ns::Value(sender), {"target 1", "target 2", "sender only", "any name"}},
        {name, ns::Value(otherSender), {"target 1", "target 2", "any name"}},
        {name, ns::Value("router-1"), {"target 1", "target 2", "string sender", "any name"}},
        {"OtherNotification", ns::Value(sender), {"any name"}},
    };
    for (const auto& c : cases) {
        got.clear();
        center->postNotificationName(c.name, c.object, ns::Dictionary{{"k", ns::Value(1)}});
        EXPECT_EQ(got, c.expected) << c.name << " " << c.object.description();
    }

    // Removal by name and sender leaves the other registrations.
    center->removeObserver(observer.get(), name, ns::Value(sender));
    got.clear();
    center->postNotificationName(name, ns::Value(sender));
    EXPECT_EQ(got, (std::vector<std::string>{"target 1", "target 2", "any name"}));
    center->removeObserver(observer.get());
    center->removeObserver(token.get());
    center->removeObserver(any.get());
    got.clear();
    center->postNotificationName(name, ns::Value("router-1"));
    EXPECT_TRUE(got.empty());
    EXPECT_EQ(center->registrationCount(), 0u);
}

TEST(NotificationCenterTest, PostedOnAWorkerIsDeliveredOnThatThread) {
    auto center = ns::NotificationCenter::defaultCenter();
    std::atomic<bool> onPoster{false};
    std::thread::id deliveredOn;
    auto token = center->addObserverForName("WorkerNote", {}, nullptr, [&](const ns::NotificationPtr& note) {
        deliveredOn = std::this_thread::get_id();
        onPoster = note->userInfo()["n"].intValue() == 7;
    });
    std::thread::id poster;
    std::thread worker([&] {
        poster = std::this_thread::get_id();
        center->postNotificationName("WorkerNote", {}, ns::Dictionary{{"n", ns::Value(7)}});
        EXPECT_EQ(deliveredOn, poster) << "delivered synchronously, before the post returns";
    });
    worker.join();
    EXPECT_EQ(deliveredOn, poster);
    EXPECT_TRUE(onPoster);
    center->removeObserver(token.get());
}

TEST(NotificationCenterTest, RemovingAndAddingDuringDeliveryIsSafe) {
    auto center = ns::NotificationCenter::create();
    std::vector<std::string> got;
    ns::ObjectPtr first, second, added;
    first = center->addObserverForName("Note", {}, nullptr, [&](const ns::NotificationPtr&) {
        got.push_back("first");
        center->removeObserver(second.get());  // later in this same post
        center->removeObserver(first.get());   // itself, while running
        if (!added) {
            added = center->addObserverForName("Note", {}, nullptr, [&](const ns::NotificationPtr&) {
                got.push_back("added");
            });
        }
    });
    second = center->addObserverForName("Note", {}, nullptr, [&](const ns::NotificationPtr&) { got.push_back("second"); });
    center->postNotificationName("Note");
    EXPECT_EQ(got, (std::vector<std::string>{"first"}));
    got.clear();
    center->postNotificationName("Note");
    EXPECT_EQ(got, (std::vector<std::string>{"added"}));
}

TEST(NotificationCenterTest, RegistrationsEndWithTheirObserverOrOwner) {
    auto center = ns::NotificationCenter::defaultCenter();
    int targetCalls = 0, ownedCalls = 0;
    auto observer = std::make_shared<ns::Object>();
    center->addObserver(observer, [&](const ns::NotificationPtr&) { ++targetCalls; }, "Note");

    struct Screen {
        ns::ScopedObserver registration;
    };
    auto screen = std::make_unique<Screen>();
    screen->registration = ns::ScopedObserver(
        center, center->addObserverForName("Note", {}, nullptr, [&](const ns::NotificationPtr&) { ++ownedCalls; }));

    center->postNotificationName("Note");
    EXPECT_EQ(targetCalls, 1);
    EXPECT_EQ(ownedCalls, 1);
    observer.reset();
    screen.reset();
    center->postNotificationName("Note");
    EXPECT_EQ(targetCalls, 1);
    EXPECT_EQ(ownedCalls, 1);
    EXPECT_EQ(center->registrationCount(), 0u);

    // A sender that has gone matches nothing, even if its address is reused.
    int senderCalls = 0;
    auto sender = std::make_shared<ns::Object>();
    auto token = center->addObserverForName("Note", ns::Value(sender), nullptr,
                                            [&](const ns::NotificationPtr&) { ++senderCalls; });
    sender.reset();
    center->postNotificationName("Note", ns::Value(std::make_shared<ns::Object>()));
    EXPECT_EQ(senderCalls, 0);
    center->removeObserver(token.get());
}

TEST(NotificationCenterTest, QueueObserverRunsOnItsQueueWhileThePosterWaits) {
    auto center = ns::NotificationCenter::defaultCenter();
    std::atomic<bool> ranOnMain{false}, posted{false};
    auto token = center->addObserverForName(ns::UIApplicationDidReceiveMemoryWarningNotification, {},
                                            ns::OperationQueue::mainQueue(),
                                            [&](const ns::NotificationPtr&) { ranOnMain = ns::Thread::isMainThread(); });
    std::thread worker([&] {
        center->postNotificationName(ns::UIApplicationDidReceiveMemoryWarningNotification);
        posted = ranOnMain.load();
    });
    EXPECT_TRUE(runMainLoopUntil([&] { return posted.load(); }, 5));
    worker.join();

    // Posted on the main thread itself, the block runs at once.
    ranOnMain = false;
    center->postNotificationName(ns::UIApplicationDidReceiveMemoryWarningNotification);
    EXPECT_TRUE(ranOnMain);
    center->removeObserver(token.get());
}

}  // namespace

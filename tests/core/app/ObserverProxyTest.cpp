#include <gtest/gtest.h>

#include "core/app/TAVOObserverProxy.h"
#include "platform/foundation/NotificationCenter.h"

namespace {
struct Sender : ns::Object {};

void post(const std::string& name, const ns::ObjectPtr& sender = nullptr) {
    ns::NotificationCenter::defaultCenter()->postNotificationName(name, sender ? ns::Value(sender) : ns::Value());
}
}  // namespace

TEST(ObserverProxy, FirstRegistrationWinsUntilRemoved) {
    TAVOObserverProxy proxy;
    int first = 0, second = 0;
    proxy.addObserverForName("ping", nullptr, nullptr, [&](const ns::NotificationPtr&) { ++first; });
    proxy.addObserverForName("ping", nullptr, nullptr, [&](const ns::NotificationPtr&) { ++second; });
    post("ping");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);

    proxy.removeObserverForName("ping", nullptr);
    post("ping");
    EXPECT_EQ(first, 1);
    proxy.addObserverForName("ping", nullptr, nullptr, [&](const ns::NotificationPtr&) { ++second; });
    post("ping");
    EXPECT_EQ(second, 1);

    // Empty names and blocks are ignored.
    proxy.addObserverForName("", nullptr, nullptr, [&](const ns::NotificationPtr&) {});
    proxy.addObserverForName("other", nullptr, nullptr, nullptr);
    EXPECT_EQ(proxy.observerHolders().size(), 1u);
}

TEST(ObserverProxy, AnySenderAndOneSenderAreSeparateAndFreedSendersNeverMatch) {
    TAVOObserverProxy proxy;
    auto sender = std::make_shared<Sender>();
    int any = 0, specific = 0;
    proxy.addObserverForName("n", nullptr, nullptr, [&](const ns::NotificationPtr&) { ++any; });
    proxy.addObserverForName("n", sender, nullptr, [&](const ns::NotificationPtr&) { ++specific; });
    EXPECT_EQ(proxy.observerHolders().size(), 2u);
    post("n", sender);
    post("n");
    EXPECT_EQ(any, 2);
    EXPECT_EQ(specific, 1);

    auto holder = proxy.observerHolderForName("n", sender);
    ASSERT_TRUE(holder);
    sender.reset();
    auto another = std::make_shared<Sender>();
    EXPECT_EQ(proxy.observerHolderForName("n", another), nullptr);
    // The freed sender's holder is not one "for any sender" either.
    EXPECT_NE(proxy.observerHolderForName("n", nullptr), holder);
}

TEST(ObserverProxy, FreeingTheOwnerEndsItsRegistrations) {
    int calls = 0;
    auto center = ns::NotificationCenter::defaultCenter();
    auto before = center->registrationCount();
    {
        TAVOObserverProxy proxy;
        proxy.addObserverForName("gone", nullptr, nullptr, [&](const ns::NotificationPtr&) { ++calls; });
        post("gone");
        EXPECT_EQ(center->registrationCount(), before + 1);
    }
    post("gone");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center->registrationCount(), before);
}

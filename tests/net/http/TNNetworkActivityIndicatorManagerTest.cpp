#include <gtest/gtest.h>

#include "net/http/TNNetworkingNotifications.h"
#include "net/http/TNURLConnectionOperation.h"
#include "net/http/TNNetworkActivityIndicatorManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::drainMainLoop;

bool indicator() { return ui::Application::sharedApplication()->isNetworkActivityIndicatorVisible(); }

TEST(TNNetworkActivityIndicatorManagerTest, ShowsAtOnceAndHides017SecondsAfterTheLastRequest) {
    auto manager = TNNetworkActivityIndicatorManager::create();
    manager->setEnabled(true);
    manager->incrementActivityCount();
    drainMainLoop();
    EXPECT_TRUE(indicator());

    manager->decrementActivityCount();
    drainMainLoop();
    advance(0.1);
    manager->incrementActivityCount();  // back within the delay: stays visible
    drainMainLoop();
    advance(0.1);
    EXPECT_TRUE(indicator());

    manager->decrementActivityCount();
    drainMainLoop();
    advance(0.16);
    EXPECT_TRUE(indicator());
    advance(0.02);
    EXPECT_FALSE(indicator());

    manager->decrementActivityCount();
    EXPECT_EQ(manager->activityCount(), 0);
}

TEST(TNNetworkActivityIndicatorManagerTest, CountsOperationNotificationsWithAURLAndDoesNothingWhenDisabled) {
    auto manager = TNNetworkActivityIndicatorManager::create();
    auto center = ns::NotificationCenter::defaultCenter();
    auto withURL = TNURLConnectionOperation::create(ns::URLRequest(ns::URL::URLWithString("http://127.0.0.1/")));
    auto withoutURL = TNURLConnectionOperation::create(ns::URLRequest());
    center->postNotificationName(TNNetworkingOperationDidStartNotification, ns::Value(withURL));
    center->postNotificationName(TNNetworkingOperationDidStartNotification, ns::Value(withoutURL));
    EXPECT_EQ(manager->activityCount(), 1);
    drainMainLoop();
    EXPECT_FALSE(indicator());  // not enabled
    center->postNotificationName(TNNetworkingOperationDidFinishNotification, ns::Value(withURL));
    center->postNotificationName(TNNetworkingOperationDidFinishNotification, ns::Value(withURL));
    EXPECT_EQ(manager->activityCount(), 0);
}

}  // namespace

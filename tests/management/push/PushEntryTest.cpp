// Push payloads from the emulated push entry reach the records through an
// application delegate that does what the app's delegate does: clear the
// badge and hand the payload to the holder on the main queue.
#include <gtest/gtest.h>

#include "emulator/PushEntry.h"
#include "management/push/TAVONewDevicePushInfo.h"
#include "management/push/TAVOPushInfoHolder.h"
#include "management/push/TAVORomUpdatePushInfo.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/ui/Application.h"
#include "tests/support/Harness.h"

using keelbox::test::advance;
using keelbox::test::drainMainLoop;

namespace {

class PushDelegate : public ui::ApplicationDelegate {
public:
    bool didFinishLaunchingWithOptions(ui::Application& app, const ns::Value& options) override {
        const ns::Value& payload = options[ui::ApplicationLaunchOptionsRemoteNotificationKey];
        if (payload.isDictionary()) didReceiveRemoteNotification(app, payload);
        return true;
    }
    void didReceiveRemoteNotification(ui::Application& app, const ns::Value& payload) override {
        app.setApplicationIconBadgeNumber(0);
        dispatch::Queue::main()->async([payload] { TAVOPushInfoHolder::shareInstance()->addPushInfo(payload); });
    }
    void didRegisterForRemoteNotificationsWithDeviceToken(ui::Application&, const ns::Data& token) override {
        tokens.push_back(token);
    }
    void didFailToRegisterForRemoteNotificationsWithError(ui::Application&, const ns::ErrorPtr& error) override {
        failures.push_back(error);
    }
    std::vector<ns::Data> tokens;
    std::vector<ns::ErrorPtr> failures;
};

struct PushEntryTest : ::testing::Test {
    std::shared_ptr<ui::Application> app = ui::Application::create();
    std::shared_ptr<PushDelegate> delegate = std::make_shared<PushDelegate>();
    emulator::PushEntry entry;
    void SetUp() override { app->setDelegate(delegate); }
};

TEST_F(PushEntryTest, RegistrationAnswers) {
    entry.attach(app);
    app->registerForRemoteNotificationTypes(7);
    EXPECT_TRUE(delegate->tokens.empty());  // answered on a later turn
    drainMainLoop();
    ASSERT_EQ(delegate->tokens.size(), 1u);
    EXPECT_EQ(delegate->tokens[0], entry.deviceToken());
    EXPECT_EQ(entry.deviceTokenHex().size(), 64u);

    entry.setRegistration(emulator::PushEntry::Registration::Failure);
    entry.attach(app);
    app->registerForRemoteNotificationTypes(7);
    drainMainLoop();
    ASSERT_EQ(delegate->failures.size(), 1u);
    EXPECT_EQ(delegate->failures[0]->code(), emulator::PushEntry::kRegistrationErrorCode);
    EXPECT_EQ(delegate->tokens.size(), 1u);

    entry.setRegistration(emulator::PushEntry::Registration::Late, 5.0);
    entry.attach(app);
    app->registerForRemoteNotificationTypes(7);
    drainMainLoop();
    EXPECT_EQ(delegate->failures.size(), 2u);
    advance(4.9);
    EXPECT_EQ(delegate->tokens.size(), 1u);
    advance(0.2);
    EXPECT_EQ(delegate->tokens.size(), 2u);
}

TEST_F(PushEntryTest, PayloadsAtLaunchAndWhileRunning) {
    app->setApplicationIconBadgeNumber(3);
    ASSERT_TRUE(emulator::PushEntry::launchWithNotification(
        app, emulator::PushEntry::payload(2, "r1", "AA:BB:CC:DD:EE:01", ns::Value::dictionary({{"version", "3.2"}}))));
    auto holder = TAVOPushInfoHolder::shareInstance();
    EXPECT_FALSE(holder->firstPushInfo());  // handed over on the main queue
    drainMainLoop();
    auto rom = std::dynamic_pointer_cast<TAVORomUpdatePushInfo>(holder->firstPushInfo());
    ASSERT_TRUE(rom);
    EXPECT_EQ(rom->version, "3.2");
    EXPECT_EQ(rom->router_id, "r1");
    EXPECT_EQ(app->badgeHistory().back(), 0);

    emulator::PushEntry::deliver(
        app, emulator::PushEntry::payload(1, "r1", "AA:BB:CC:DD:EE:01", ns::Value::dictionary({{"endmac", "11:22"}})));
    drainMainLoop();
    auto device = std::dynamic_pointer_cast<TAVONewDevicePushInfo>(holder->firstPushInfo());
    ASSERT_TRUE(device);
    EXPECT_EQ(device->end_mac, "11:22");
    EXPECT_EQ(app->applicationIconBadgeNumber(), 0);
}

}  // namespace

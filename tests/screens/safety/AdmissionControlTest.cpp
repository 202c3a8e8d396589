// Admission control against the emulated router: the rows by the
// admission state, the radar asking every 5 s while shown, switches that
// insert and delete the advanced row only on a real flip, and switches
// that fail, are not sent or are refused at once returning to the
// router's value.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterSetCommonSWRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetNeedPermitRequest.h"
#include "screens/safety/TAVONetProtectViewController.h"
#include "tests/screens/safety/SafetyScreenFixture.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/TAVOSettingSwitchCell.h"

namespace keelbox::test {
namespace {

using Screen = TAVONetProtectViewController;

class AdmissionControl : public SafetyScreenFixture {
protected:
    void SetUp() override {
        SafetyScreenFixture::SetUp();
        pollStatus();
        screen = Screen::create();
        app.push(screen);
    }
    void TearDown() override {
        SafetyScreenFixture::TearDown();
        // The radar's last blips finish their three-second fade.
        app.push(ui::ViewController::make<TAVOWIFIViewControler>());
        app.screen().wait(4.0);
    }
    long rows() { return screen->tableView()->numberOfRowsInSection(0); }
    std::shared_ptr<TAVOSettingSwitchCell> switchRow(long row) {
        return std::dynamic_pointer_cast<TAVOSettingSwitchCell>(screen->tableView()->cellForRowAtIndexPath({0, row}));
    }
    std::string needPermit() { return app.peers().state().router(EmulatedPeers::kHomeRouter)->model["need_permit"].stringValue(); }
    std::shared_ptr<Screen> screen;
};

TEST_F(AdmissionControl, RowsFollowTheAdmissionState) {
    EXPECT_EQ(rows(), 5);
    struct Case {
        long row;
        Screen::Row on, off;
    };
    for (const auto& c : std::vector<Case>{{0, Screen::RowTitle, Screen::RowTitle},
                                           {2, Screen::RowAdvance, Screen::RowAntiIntruder},
                                           {3, Screen::RowAntiIntruder, Screen::RowWiFiPassword},
                                           {4, Screen::RowWiFiPassword, Screen::RowAdminPassword},
                                           {5, Screen::RowAdminPassword, Screen::RowTitle}}) {
        EXPECT_EQ(Screen::rowKind(c.row, true), c.on) << c.row;
        if (c.row < 5) {
            EXPECT_EQ(Screen::rowKind(c.row, false), c.off) << c.row;
        }
    }
    auto wifi = std::dynamic_pointer_cast<TAVOSettingSelectCell>(screen->tableView()->cellForRowAtIndexPath({0, 3}));
    ASSERT_TRUE(wifi);
    EXPECT_EQ(wifi->statusLabel()->attributedText()->string(), TAVOLocalizedString("security:") + TAVOLocalizedString("middle"));
    auto admin = std::dynamic_pointer_cast<TAVOSettingSelectCell>(screen->tableView()->cellForRowAtIndexPath({0, 4}));
    EXPECT_EQ(admin->settingTitle()->text(), TAVOLocalizedString("admin password has been set"));
    EXPECT_TRUE(admin->arrowView()->isHidden());
    EXPECT_FALSE(screen->isSafe());
    EXPECT_EQ(Screen::passwordStatusText(9)->string(), TAVOLocalizedString("security:") + TAVOLocalizedString("very low"));
}

TEST_F(AdmissionControl, TheRadarAsksEveryFiveSecondsWhileShown) {
    ASSERT_TRUE(app.screen().waitUntil([&] {
        return screen->scanningLabel()->attributedText()->string().find(
                   ns::format(TAVOLocalizedString("%d devices nearby, has block threat %d times"), 9, 5)) != std::string::npos;
    })) << screen->scanningLabel()->attributedText()->string();
    EXPECT_EQ(callsOf("wifi.getChannelDeviceNum").size(), 1u);
    app.screen().wait(5.0);
    ASSERT_TRUE(app.screen().waitUntil([&] { return callsOf("wifi.getChannelDeviceNum").size() == 2; }));
    EXPECT_GT(screen->randomView()->subviews().size(), 0u) << "blips on the radar";

    auto none = TAVOChannelInfo::create();
    EXPECT_EQ(Screen::scanResult(*none, 5), TAVOLocalizedString("No devices nearby"));
    none->channelDeviceNumFor24G = 3;
    EXPECT_EQ(Screen::scanResult(*none, 0), ns::format(TAVOLocalizedString("%d devices nearby, watch out your network"), 3));

    app.push(ui::ViewController::make<TAVOWIFIViewControler>());
    EXPECT_FALSE(screen->shouldGetProbedDevices());
    app.screen().waitUntil([] { return false; }, 0.5);
    app.screen().wait(12.0);
    app.screen().waitUntil([] { return false; }, 0.5);
    EXPECT_EQ(callsOf("wifi.getChannelDeviceNum").size(), 2u);
}

TEST_F(AdmissionControl, TurningAdmissionOnAndOffInsertsAndDeletesTheAdvancedRow) {
    ASSERT_TRUE(app.screen().tap(switchRow(1)->switchControl()));
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeSpinningCircle);
    ASSERT_TRUE(app.screen().waitUntil([&] { return rows() == 6; }));
    EXPECT_EQ(needPermit(), "1");
    EXPECT_EQ(screen->permitNetOpen(), 1);
    EXPECT_FALSE(switchRow(2)->switchControl()->isOn()) << "the stored advanced state";
    EXPECT_EQ(facade->statusLisener()->status()->staticInfo->need_permit, 1);

    // A repeated answer does not insert the row again.
    const ns::Dictionary again{{"param", ns::Value::dictionary({{"need_permit", 1}, {"pw_ability", 1}})}};
    ns::NotificationCenter::defaultCenter()->postNotificationName(
        TAVORequestAnswers::succeededName<TAVORouterSetNeedPermitRequest>(), {}, again);
    EXPECT_EQ(rows(), 6);

    app.screen().wait(1.0);
    ASSERT_TRUE(app.screen().tap(switchRow(1)->switchControl()));
    ASSERT_TRUE(app.screen().waitUntil([&] { return rows() == 5; }));
    EXPECT_EQ(screen->permitNetAdvanceOpen(), 0);
    EXPECT_EQ(Screen::rowKind(2, false), Screen::RowAntiIntruder);
}

TEST_F(AdmissionControl, AFailedOrUnsentSwitchReturnsToTheRoutersValue) {
    app.peers().router().setCallFault("router.setCommonSW", emulator::CallFault::error(-7, "guard busy"));
    ASSERT_TRUE(app.screen().tap(switchRow(2)->switchControl()));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf("router.setCommonSW").empty(); }));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !switchRow(2)->switchControl()->isOn(); }));
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    app.peers().router().clearCallFaults();

    // Another protection's answer changes nothing here.
    ns::NotificationCenter::defaultCenter()->postNotificationName(
        TAVORequestAnswers::succeededName<TAVORouterSetCommonSWRequest>(), {},
        {{"param", ns::Value::dictionary({{"type", 2}, {"sw", 1}})}});
    EXPECT_EQ(screen->antiWiFiBruder(), 0);

    // Without a router nothing is sent and the row shows the router's value.
    app.screen().wait(2.0);
    facade->setCurrentRouter(nullptr);
    const auto before = callsOf("router.setneedpermit").size();
    ASSERT_TRUE(app.screen().tap(switchRow(1)->switchControl()));
    EXPECT_FALSE(switchRow(1)->switchControl()->isOn());
    EXPECT_EQ(callsOf("router.setneedpermit").size(), before);
}

TEST_F(AdmissionControl, ASwitchTheFacadeRefusesAtOnceReturnsWithoutLeavingTheSpinner) {
    struct Case {
        const char* what;
        Refusal refusal;
        long row;
    };
    for (const auto& c : std::vector<Case>{{"admission, the provider refuses", Refusal::ProviderPostsFailure, 1},
                                           {"admission, no provider", Refusal::NothingPosted, 1},
                                           {"intruder guard, the provider refuses", Refusal::ProviderPostsFailure, 2},
                                           {"intruder guard, no provider", Refusal::NothingPosted, 2}}) {
        SCOPED_TRACE(c.what);
        refuseAtOnce(c.refusal);
        ASSERT_FALSE(switchRow(c.row)->switchControl()->isOn());
        ASSERT_TRUE(app.screen().tap(switchRow(c.row)->switchControl()));
        EXPECT_TRUE(app.screen().waitUntil([&] {
            const auto toast = app.screen().toast();
            return toast && toast->type == CustomizedHUDTypeWarning;
        })) << "the spinner gives way to the refusal's warning";
        EXPECT_FALSE(switchRow(c.row)->switchControl()->isOn()) << "back to the router's value";
        EXPECT_EQ(rows(), 5);
        sendAgain();
        app.screen().wait(2.0);  // the warning goes
        EXPECT_FALSE(app.screen().toast());
    }
    EXPECT_EQ(screen->permitNetOpen(), 0);
    EXPECT_EQ(screen->antiWiFiBruder(), 0);
}

}  // namespace
}  // namespace keelbox::test

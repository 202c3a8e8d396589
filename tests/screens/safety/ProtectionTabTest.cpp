// The protection tab against the emulated router: the security level and
// row texts from the status, the first showing (the update popup), the
// check with its scan page (answers shown no sooner than 3 s after the
// request, the sweep, the finish onto the header), polling while shown,
// the lost-connection page of a router event, and the background drawn in
// the colours of the level shown.
#include <gtest/gtest.h>

#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "emulator/CallFault.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/BasicAnimation.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "platform/render/LayerRenderer.h"
#include "uikit/LXCommodityConstructors.h"
#include "widgets/TAVOPopupViewController.h"
#include "screens/safety/TAVOSafeProtectionViewController.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "tests/screens/safety/SafetyScreenFixture.h"

namespace keelbox::test {
namespace {

using Tab = TAVOSafeProtectionViewController;

TAVORouterStatusPtr statusWith(int switchesOn, int needPermit, int freeloader = 0, const std::string& intercept = "") {
    auto status = TAVORouterStatus::create();
    status->safeSwitch = TAVORouterSafeSwitch::create();
    for (auto field : {&TAVORouterSafeSwitch::stat_brute_attack_switch, &TAVORouterSafeSwitch::stat_anti_stealer,
                       &TAVORouterSafeSwitch::stat_anti_dns_cheat, &TAVORouterSafeSwitch::stat_urlcheck,
                       &TAVORouterSafeSwitch::stat_heart_bleed_switch, &TAVORouterSafeSwitch::stat_arp_attack_switch})
        (*status->safeSwitch).*field = switchesOn;
    status->staticInfo = TAVORouterStaticInfo::create();
    status->staticInfo->need_permit = needPermit;
    status->dynamicInfo = TAVORouterDynamicInfo::create();
    status->dynamicInfo->stat_anti_freeloader = freeloader;
    status->dynamicInfo->stat_intercept = intercept;
    return status;
}

TEST(ProtectionTabLevel, WeakPointsGiveTheLevel) {
    struct Case {
        const char* what;
        int switches, permit, strength, admin, level;
    };
    for (const auto& c : std::vector<Case>{{"all safe", 1, 1, 4, 0, 2},
                                           {"admission off", 1, 0, 4, 0, 1},
                                           {"weak Wi-Fi password", 1, 1, 3, 0, 1},
                                           {"admin password unsafe", 1, 1, 4, 1, 1},
                                           {"two weak points", 1, 0, 3, 0, 0},
                                           {"protections off", 0, 1, 4, 0, 0}}) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Tab::routerSecurityLevel(statusWith(c.switches, c.permit), c.strength, c.admin), c.level);
    }
    EXPECT_EQ(Tab::routerSecurityLevel(nullptr, 4, 0), 0) << "nothing known yet";
    EXPECT_EQ(TAVOHeadContentViewInCell::subtitleForLevel(2, 0),
              ns::format(TAVOLocalizedString("Your WiFi network has been protected for %d days."), 1));
    EXPECT_EQ(Tab::finishTransform(480), cg::AffineTransformTranslate(cg::AffineTransformMakeScale(0.4084, 0.4084), -205.7, -259.5));
    EXPECT_EQ(Tab::finishTransform(568), cg::AffineTransformTranslate(cg::AffineTransformMakeScale(0.5573, 0.5573), 0, -222.5));
}

TEST(ProtectionTabLevel, RowTextsAndColours) {
    auto text = [](long row, const TAVORouterStatusPtr& status, int strength = 4, int admin = 0) {
        return Tab::subtitleForSecurityItem(row, {status, strength, admin});
    };
    auto colourAt = [](const ns::AttributedStringPtr& s, std::size_t i) {
        return LXCommodityConstructors::textColorAtIndex(*s, i).value_or(ui::Color::clearColor());
    };
    // Row 0, everything safe but admission off: a green call to turn it on.
    auto permitOff = text(0, statusWith(1, 0));
    EXPECT_EQ(permitOff->string(), TAVOLocalizedString("better turn ON"));
    EXPECT_EQ(colourAt(permitOff, 0), TAVOSafetyStyle::safeGreen());
    EXPECT_EQ(text(0, statusWith(1, 1), 3)->string(), TAVOLocalizedString("has threats"));
    EXPECT_EQ(colourAt(text(0, statusWith(1, 1), 3), 0), TAVOSafetyStyle::warningRed());
    EXPECT_EQ(text(0, statusWith(1, 1))->string(), TAVOLocalizedString("no WiFi intruders"));
    // A count: grey text with the number green.
    auto counted = text(0, statusWith(1, 1, 7));
    EXPECT_EQ(counted->string(), ns::format(TAVOLocalizedString("block intruders: %d times"), 7));
    const auto digit = TAVOSafetyStyle::firstDigitRun(counted->utf16());
    EXPECT_EQ(colourAt(counted, digit.location), TAVOSafetyStyle::safeGreen());
    EXPECT_EQ(colourAt(counted, digit.location == 0 ? counted->length() - 1 : 0), TAVOSafetyStyle::quietGrey());
    // Row 3's counter is a text; a missing or bad one reads 0.
    EXPECT_EQ(text(3, statusWith(1, 1, 0, "12"))->string(), ns::format(TAVOLocalizedString("block threats: %d times"), 12));
    EXPECT_EQ(text(3, statusWith(1, 1, 0, "abc"))->string(), TAVOLocalizedString("ON"));
    EXPECT_EQ(text(3, statusWith(0, 1))->string(), TAVOLocalizedString("better turn ON"));
    EXPECT_EQ(Tab::blockCountOfSecurityItem(3, {statusWith(1, 1, 0, "-4"), 4, 0}), 0);
}

class ProtectionTab : public SafetyScreenFixture {
protected:
    // The library was set up before and the router has a library date: the
    // tab checks instead of opening the update popup.
    void libraryKnown() {
        TAVORouterPreference::shareInstance()->setInitializedVirusLibrary(true);
        router->anvirusLibInfo = ns::Value::dictionary({{"download_time", 1780000000000LL}});
    }
    std::shared_ptr<Tab> open() {
        auto tab = Tab::create();
        app.push(tab);
        return tab;
    }
    std::size_t statusCalls() { return callsOf("router.getRouterInfo").size(); }

    // The first check of a shown tab, through the scan, to the normal page
    // with its level's colours painted.
    void reachNormalPage(const std::shared_ptr<Tab>& tab) {
        // The answer shows no sooner than 3 s after the request, on a clock
        // that keeps pace with the peers.
        ASSERT_TRUE(app.screen().waitWhileTimePasses([&] { return tab->checkRouterViewController()->dataReady(); }));
        app.screen().wait(18 * 0.75 + Tab::kFinishSeconds + Tab::kPageFadeSeconds + TAVOGradientView::kChangeDuration + 0.1);
        ASSERT_EQ(tab->routerStatus(), Tab::PageNormal);
    }

    // The colour drawn at a point of a view.
    static ui::Color drawnAt(const ui::ViewPtr& view, cg::Point point) {
        auto picture = cg::LayerRenderer::renderWindowStack();
        if (!picture) return ui::Color::clearColor();
        const cg::Point p = view->convertPointToView(point, nullptr);
        const double scale = picture->scale();
        const cg::RGBA c = picture->pixel(static_cast<std::size_t>(p.x * scale), static_cast<std::size_t>(p.y * scale));
        return ui::Color::rgba(c.r, c.g, c.b, c.a);
    }
    // At the tab's top-left corner, where its background gradient begins.
    static ui::Color drawnCorner(const std::shared_ptr<Tab>& tab) { return drawnAt(tab->view(), cg::PointMake(2, 2)); }
    static void expectNear(const ui::Color& drawn, const ui::Color& wanted) {
        constexpr double kTolerance = 4.0 / 255;
        EXPECT_NEAR(drawn.red(), wanted.red(), kTolerance);
        EXPECT_NEAR(drawn.green(), wanted.green(), kTolerance);
        EXPECT_NEAR(drawn.blue(), wanted.blue(), kTolerance);
    }
};

TEST_F(ProtectionTab, TheFirstShowingOpensTheUpdatePopupAndClosingItStartsTheCheck) {
    auto tab = open();
    EXPECT_TRUE(tab->isUpdating());
    ASSERT_TRUE(tab->updateViewController());
    EXPECT_TRUE(TAVORouterPreference::shareInstance()->hasInitializedVirusLibrary());
    // The popup's content fills its card down to the bottom-right corner
    // with the end colour of its background.
    auto popup = std::dynamic_pointer_cast<TAVOPopupViewController>(tab->updateViewController()->parentViewController());
    ASSERT_TRUE(popup);
    const cg::Size card = popup->topView()->bounds().size;
    expectNear(drawnAt(popup->topView(), cg::PointMake(card.width - 2, card.height - 2)), ui::Color::rgb255(219, 228, 233));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf("security.updateVirusLibrary").empty(); }));
    tab->updateViewControllerWillDismiss(*tab->updateViewController());
    EXPECT_FALSE(tab->isUpdating());
    EXPECT_FALSE(tab->updateViewController());
    EXPECT_EQ(tab->routerStatus(), Tab::PageScanning);
    app.screen().wait(1.0);  // the popup's fade ends
}

TEST_F(ProtectionTab, AnEarlyAnswerShowsThreeSecondsAfterTheRequestThenTheScanFinishesOntoTheHeader) {
    libraryKnown();
    auto tab = open();
    EXPECT_FALSE(tab->isUpdating());
    EXPECT_EQ(tab->routerStatus(), Tab::PageScanning);
    auto lisener = facade->statusLisener();
    ASSERT_TRUE(lisener);
    ASSERT_TRUE(app.screen().waitUntil([&] { return lisener->status() != nullptr; }));
    app.screen().waitUntil([] { return false; }, 0.3);  // the other poll answers land
    auto scan = tab->checkRouterViewController();
    EXPECT_FALSE(scan->dataReady()) << "never sooner than 3 s after the request";
    app.screen().wait(2.9);
    EXPECT_FALSE(scan->dataReady());
    app.screen().wait(0.2);
    EXPECT_TRUE(scan->dataReady());
    EXPECT_FALSE(tab->shouldCheckRouterStatus());

    // Eighteen sweeps of 0.75 s, then the finish.
    app.screen().wait(13.2);
    EXPECT_FALSE(tab->scanningView()->layer()->animationForKey(Tab::kZoomAnimationKey));
    app.screen().wait(0.3);
    auto zoom = std::dynamic_pointer_cast<ca::BasicAnimation>(tab->scanningView()->layer()->animationForKey(Tab::kZoomAnimationKey));
    ASSERT_TRUE(zoom);
    EXPECT_EQ(std::get<ca::Transform3D>(zoom->toValue), ca::Transform3DMakeAffineTransform(Tab::finishTransform(568)));
    EXPECT_TRUE(tab->tableView()->layer()->animationForKey(Tab::kRiseAnimationKey));
    EXPECT_EQ(tab->routerStatus(), Tab::PageScanning);
    app.screen().wait(1.5);
    EXPECT_EQ(tab->routerStatus(), Tab::PageNormal);
    EXPECT_EQ(tab->headerViewContainer()->alpha(), 1);
    EXPECT_EQ(tab->tableView()->alpha(), 1);
    // The emulated router: permit off, intruder guard off, Wi-Fi password middle: low.
    EXPECT_EQ(tab->headerView()->securityLevel(), 0);
    EXPECT_EQ(tab->headerView()->titleLabel()->text(), TAVOLocalizedString("low"));
    EXPECT_EQ(tab->previousSecurityLevel(), 0);
}

TEST_F(ProtectionTab, ALateAnswerIsHandledAtOnce) {
    libraryKnown();
    emulator::CallFault slow;
    slow.delaySeconds = 1.0;
    app.peers().router().setCallFault("router.getRouterInfo", slow);
    auto tab = open();
    app.screen().wait(2.6);
    EXPECT_FALSE(tab->checkRouterViewController()->dataReady());
    ASSERT_TRUE(app.screen().waitUntil([&] { return tab->checkRouterViewController()->dataReady(); }));
}

TEST_F(ProtectionTab, TheStatusIsPolledEveryFiveSecondsWhileTheTabIsShown) {
    libraryKnown();
    auto tab = open();
    ASSERT_TRUE(app.screen().waitUntil([&] { return statusCalls() == 1; }));
    app.screen().waitUntil([] { return false; }, 0.5);
    app.screen().wait(5.0);
    ASSERT_TRUE(app.screen().waitUntil([&] { return statusCalls() == 2; }));
    // Another screen on top: the tab stops polling.
    app.push(ui::ViewController::make<TAVOWIFIViewControler>());
    app.screen().waitUntil([] { return false; }, 0.5);
    app.screen().wait(12.0);
    app.screen().waitUntil([] { return false; }, 0.5);
    EXPECT_EQ(statusCalls(), 2u);
}

TEST_F(ProtectionTab, ARouterEventShowsTheLostConnectionPageWithItsReason) {
    libraryKnown();
    auto tab = open();
    ns::NotificationCenter::defaultCenter()->postNotificationName(kTAVOGlobalEventNotification, ns::Value(4));
    EXPECT_EQ(tab->routerStatus(), Tab::PageUnavailable);
    EXPECT_TRUE(tab->shouldCheckRouterStatus());
    EXPECT_EQ(tab->lostConnectionReason()->text(), TAVORouterErrorUtility::textDescForBreakdownError(0));
    EXPECT_TRUE(tab->checkRouterViewController()->paused());
    app.screen().wait(0.5);
    EXPECT_EQ(tab->lostConnectionView()->alpha(), 1);
}

TEST_F(ProtectionTab, TheBackgroundIsDrawnInTheColoursOfTheLevelShown) {
    libraryKnown();
    auto tab = open();
    reachNormalPage(tab);
    // The emulated router: permit off, intruder guard off, Wi-Fi password middle: low.
    expectNear(drawnCorner(tab), TAVOSafetyStyle::dangerGradient().topLeft);

    // The next poll finds every weak point mended.
    changeRouter([](emulator::EmulatedRouter& r) {
        r.model.set("need_permit", "1");
        r.model.set("wifi_pwd_strength", 4);
    });
    setSwitch("stat_brute_attack_switch", 1);
    app.screen().wait(TAVORouterStatusLisener::kCycleDelay);
    ASSERT_TRUE(app.screen().waitUntil([&] { return tab->headerView()->securityLevel() == 2; }));
    app.screen().wait(TAVOGradientView::kChangeDuration + 0.1);
    expectNear(drawnCorner(tab), TAVOSafetyStyle::safeGradient().topLeft);

    // The lost-connection page paints its own colours; back on the normal
    // page the level's colours return though the level did not change.
    auto center = ns::NotificationCenter::defaultCenter();
    center->postNotificationName(kTAVOGlobalEventNotification, ns::Value(4));
    app.screen().wait(Tab::kPageFadeSeconds + TAVOGradientView::kChangeDuration + 0.1);
    expectNear(drawnCorner(tab), TAVOSafetyStyle::lostGradient().topLeft);
    center->postNotificationName(kTAVOGlobalEventNotification, ns::Value(1));
    app.screen().wait(Tab::kPageFadeSeconds + TAVOGradientView::kChangeDuration + 0.1);
    ASSERT_EQ(tab->routerStatus(), Tab::PageNormal);
    EXPECT_EQ(tab->headerView()->securityLevel(), 2);
    expectNear(drawnCorner(tab), TAVOSafetyStyle::safeGradient().topLeft);
}

}  // namespace
}  // namespace keelbox::test

// The dashboard's views in each of their states: the router status view
// along its road (waiting, detecting, good and poor channels, the
// optimisation, the restart count-down, the promotion, faults and lost
// connections), and the speed strip and the round gauge on their own.
// Each view sits on a screen pushed over the launched application and is
// pictured a moment into its animation, as the screen shows it then.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/LayerPresentation.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "screens/home/TAVOCircleStyleIndicator.h"
#include "screens/home/TAVORouterStatusView.h"
#include "screens/home/TAVOSpeedIndicator.h"
#include "tests/gallery/GalleryRegistry.h"
#include "widgets/TAVOGradientView.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

ui::ViewControllerPtr pushScreen(AppFixture& app) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(ui::Color::whiteColor());
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

// Lets the animations run for `seconds` and shows what they show then.
void pictureAfter(AppFixture& app, double seconds) {
    app.screen().wait(seconds);
    (void)ca::LayerPresentation::apply(app.window()->layer(), ca::currentMediaTime());
}

TAVORouterStatusViewPtr statusView(AppFixture& app) {
    auto screen = pushScreen(app);
    auto status = TAVORouterStatusView::create(screen->view()->bounds());
    screen->view()->addSubview(status);
    status->speedIndicator()->setAvgSpeed(356 * 1024);
    status->speedIndicator()->setTopSpeed(12.5 * 1024 * 1024);
    return status;
}

// A status view that has shown the results of its first record.
TAVORouterStatusViewPtr statusWithResults(AppFixture& app, const ChannelLevelInfo& level) {
    auto status = statusView(app);
    status->resetAllValues();
    status->setIsLocalManagement(false);
    status->setSingalStrengthFor24G("75%");
    status->setSingalStrengthFor5G("50%");
    status->setChannelSignalLevel(level);
    app.screen().wait(4.0);
    return status;
}

// A poor channel whose optimisation has been asked for and answered.
TAVORouterStatusViewPtr statusOptimised(AppFixture& app) {
    auto status = statusWithResults(app, {6, 3, 149, 2});
    status->setChannelState(TAVORouterStatusView::ChannelStateOptimising);
    app.screen().wait(6.0);
    status->optResult(true);
    return status;
}

TAVORouterStatusViewPtr statusWithError(AppFixture& app, int code) {
    auto status = statusWithResults(app, {6, 1, 149, 1});
    status->setBreakdownError(code);
    return status;
}

void speedStrips(AppFixture& app) {
    auto screen = pushScreen(app);
    const int levels[] = {1, 3, 4, 10};
    for (int row = 0; row < 4; ++row) {
        const cg::Rect band = cg::RectMake(0, 60 + row * 120, 320, 100);
        auto background = TAVOGradientView::create(band);
        const auto colors = TAVORouterStatusView::gradientColorsForLevel(levels[row]);
        background->changeTopLeftColor(colors->first, colors->second, false);
        screen->view()->addSubview(background);
        auto strip = TAVOSpeedIndicator::create(cg::RectMake(0, 50, 320, 50));
        strip->setAvgSpeed(row == 0 ? 0 : 1536.0 * 1024 * row);
        strip->setTopSpeed(15.5 * 1024 * (row + 1));
        strip->setLevel(levels[row]);
        background->addSubview(strip);
    }
    pictureAfter(app, 0.5);
}

TAVOCircleStyleIndicatorPtr gauge(const ui::ViewPtr& parent, double x, double y, const std::string& detail) {
    auto circle = TAVOCircleStyleIndicator::create(cg::RectMake(x, y, 136, 150));
    circle->imageBottomView()->setFrame(circle->bounds());
    circle->imageView()->setFrame(cg::RectMake(0, 0, 136, 136));
    circle->iconInCircle()->setFrame(cg::RectMake(0, 0, 67, 49));
    circle->detailLabel()->setFrame(cg::RectMake(0, 0, 136, 18));
    circle->detailLabel()->setText(detail);
    parent->addSubview(circle);
    return circle;
}

// Four gauges: at rest, sweeping its ring in, prepared, and with a badge.
void circleGauges(AppFixture& app) {
    auto screen = pushScreen(app);
    auto background = TAVOGradientView::create(screen->view()->bounds());
    const auto green = TAVORouterStatusView::gradientColorsForLevel(1);
    background->changeTopLeftColor(green->first, green->second, false);
    screen->view()->addSubview(background);
    auto rest = gauge(background, 17, 80, "At rest");
    rest->restoreInitState();
    auto sweeping = gauge(background, 167, 80, "Sweeping");
    auto prepared = gauge(background, 17, 300, "Prepared");
    auto badge = gauge(background, 167, 300, "");
    prepared->startPrepareAnimation(1);
    app.screen().wait(2.5);
    sweeping->startPrepareAnimation(1);
    badge->startOptPromotionAnimation(25);
    pictureAfter(app, 0.6);
}

}  // namespace

void registerHomeViewsGalleryStates() {
    GalleryRegistry::add("home_status_waiting", [](AppFixture& app) {
        auto status = statusView(app);
        status->resetAllValues();
        status->setIsLocalManagement(true);
        pictureAfter(app, 0.5);
    });
    GalleryRegistry::add("home_status_detecting", [](AppFixture& app) {
        auto status = statusView(app);
        status->resetAllValues();
        status->setIsLocalManagement(false);
        status->setChannelSignalLevel({6, 1, 149, 2});
        pictureAfter(app, 2.6);
    });
    GalleryRegistry::add("home_status_good", [](AppFixture& app) {
        statusWithResults(app, {6, 1, 149, 2});
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_poor", [](AppFixture& app) {
        statusWithResults(app, {6, 3, 149, 2});
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_very_poor", [](AppFixture& app) {
        statusWithResults(app, {6, 4, 149, 3});
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_optimise_preparing", [](AppFixture& app) {
        auto status = statusWithResults(app, {6, 3, 149, 2});
        status->setChannelState(TAVORouterStatusView::ChannelStateOptimising);
        pictureAfter(app, 0.4);
    });
    GalleryRegistry::add("home_status_optimising", [](AppFixture& app) {
        auto status = statusWithResults(app, {6, 3, 149, 2});
        status->setChannelState(TAVORouterStatusView::ChannelStateOptimising);
        pictureAfter(app, 3.3);
    });
    GalleryRegistry::add("home_status_restart_countdown", [](AppFixture& app) {
        statusOptimised(app);
        pictureAfter(app, 3.0);
    });
    GalleryRegistry::add("home_status_reconnecting", [](AppFixture& app) {
        statusOptimised(app);
        pictureAfter(app, 11.5);
    });
    GalleryRegistry::add("home_status_promotion", [](AppFixture& app) {
        auto status = statusOptimised(app);
        app.screen().wait(12.5);
        ns::Dictionary gains;
        gains.set("2.4G", 25);
        gains.set("5G", 1500);
        status->setOptPromotion(gains);
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_fault_with_repair", [](AppFixture& app) {
        statusWithError(app, 7);
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_fault_without_action", [](AppFixture& app) {
        statusWithError(app, 2);
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_fault_repairing", [](AppFixture& app) {
        auto status = statusWithError(app, 6);
        app.screen().wait(1.0);
        app.window()->layoutIfNeeded();
        app.screen().tap(status->breakdownView()->recoveryBtn());
        pictureAfter(app, 0.5);
    });
    GalleryRegistry::add("home_status_fault_repair_failed", [](AppFixture& app) {
        auto status = statusWithError(app, 6);
        app.screen().wait(1.0);
        app.window()->layoutIfNeeded();
        app.screen().tap(status->breakdownView()->recoveryBtn());
        status->breakdownRecoveryResult(false);
        pictureAfter(app, 0.5);
    });
    GalleryRegistry::add("home_status_operator_fault", [](AppFixture& app) {
        statusWithError(app, 691);
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_lost_connection", [](AppFixture& app) {
        statusWithError(app, 100004);
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_status_router_offline", [](AppFixture& app) {
        statusWithError(app, 100002);
        pictureAfter(app, 1.5);
    });
    GalleryRegistry::add("home_speed_indicator_levels", speedStrips);
    GalleryRegistry::add("home_circle_indicator_states", circleGauges);
}

}  // namespace keelbox::gallery

// The speed curve: its scale table, the history it keeps from the polls
// (padded at first, one sample per later answer, never more than 100), the
// current speeds, the read-out texts, and closing.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/Format.h"
#include "screens/home/TAVOSpeedPlotViewController.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::test {
namespace {

constexpr double kAnswerSeconds = 20;

std::vector<std::string> tickLabels(const TAVOLinePlotData& plot) {
    std::vector<std::string> labels;
    for (const auto& [value, text] : plot.tickerValuesAndLabelsY) labels.push_back(text);
    return labels;
}

TEST(SpeedCurveScale, StepsLabelsAndUnitFollowTheLargestSpeed) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    struct Case {
        double maxKB;
        double step;
        std::vector<std::string> labels;
        bool megabytes;
    };
    const std::vector<Case> cases{
        {100, 20, {"0", "40", "80", "120", "160", ""}, false},
        {3, 0.7, {"0", "1.4", "2.8", "4.2", "5.6", ""}, false},
        {10, 2, {"0", "4", "8", "12", "16", ""}, false},
        {0, 0.2, {"0", "0.4", "0.8", "1.2", "1.6", ""}, true},
        {2048, 0.5, {"0", "1.0", "2.0", "3.0", "4.0", ""}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxKB);
        const auto scale = TAVOSpeedPlotViewController::scaleForMaxKB(c.maxKB);
        EXPECT_NEAR(scale.step, c.step, 1e-9);
        EXPECT_EQ(scale.megabytes, c.megabytes);

        auto screen = TAVOSpeedPlotViewController::create();
        screen->setSpeedMaxKB(c.maxKB);
        screen->view();
        screen->drawPlotViewWithData({c.maxKB, c.maxKB / 2});
        const auto& plot = *screen->linePlotView()->firstPlot();
        EXPECT_EQ(tickLabels(plot), c.labels);
        EXPECT_NEAR(plot.maxValue, 10 * c.step, 1e-5);
        EXPECT_EQ(screen->unitLabel()->text(), ns::format(TAVOLocalizedString("%@(unit)"), c.megabytes ? "MB/s" : "KB/s"));
        ASSERT_EQ(plot.values().size(), 2u);
        EXPECT_FLOAT_EQ(plot.values()[0], static_cast<float>(c.megabytes ? c.maxKB / 1024 : c.maxKB));
    }
}

TEST(SpeedCurveScale, AMegabyteChartReadsOutKilobytesAgain) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto screen = TAVOSpeedPlotViewController::create();
    screen->setSpeedMaxKB(2048);
    screen->view();
    screen->drawPlotViewWithData({1536, 512});
    auto& plot = *screen->linePlotView()->firstPlot();
    EXPECT_EQ(screen->annotationTextAtIndex(0, plot, *screen->linePlotView()), TAVOSpeedLabel::formatStringForSpeed(1536));
    EXPECT_EQ(screen->annotationTextAtIndex(2, plot, *screen->linePlotView()), std::nullopt);
}

struct CloseListener : TAVOSpeedPlotViewControllerDelegate {
    void speedVPlotiewControllerWillDismiss(TAVOSpeedPlotViewController&) override { ++closes; }
    int closes = 0;
};

TEST(SpeedCurveScreen, TheFirstAnswerFillsTheHistoryAndLaterOnesAddOneSampleEach) {
    AppFixture app;
    // The router's samples in bytes per second: the chart shows KB/s.
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
        r.model.set("speed_samples", ns::Value::array({10240, 20480, 30720}));
    });
    ASSERT_TRUE(app.launch({.storedAccount = EmulatedPeers::kDemoUser}));
    ASSERT_TRUE(app.screen().waitUntil([] { return TAVOAccountManager::shareInstance()->currentRouter() != nullptr; },
                                       kAnswerSeconds));
    auto screen = TAVOSpeedPlotViewController::create();
    auto listener = std::make_shared<CloseListener>();
    screen->setDelegate(listener);
    auto popup = TAVOPopupViewController::popupViewControllerWithChildViewController(screen);
    app.screen().topScreen()->presentViewController(popup, false);

    ASSERT_TRUE(app.screen().waitUntil([&] { return !screen->speedsKB().empty(); }, kAnswerSeconds));
    const auto& first = screen->speedsKB();
    ASSERT_EQ(first.size(), 100u);
    EXPECT_EQ(std::count(first.begin(), first.begin() + 97, 0.0), 97);
    EXPECT_EQ(first.back(), 30);
    EXPECT_EQ(screen->speedMaxKB(), 30);
    EXPECT_TRUE(screen->linePlotView()->enablePanGesture());

    // The next answers, 5 s apart, each push one sample and the oldest out.
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
        r.model.set("speed_samples", ns::Value::array({99, 40960}));
    });
    for (int poll = 1; poll <= 2; ++poll) {
        app.screen().wait(5.0);
        ASSERT_TRUE(app.screen().waitUntil(
            [&] { return std::count(screen->speedsKB().begin(), screen->speedsKB().end(), 40.0) == poll; }, kAnswerSeconds));
    }
    EXPECT_EQ(screen->speedsKB().size(), 100u);
    EXPECT_EQ(std::count(screen->speedsKB().begin(), screen->speedsKB().end(), 0.0), 95);
    EXPECT_GT(screen->downloadSpeedLabel()->speedKB(), 0);

    screen->userDidClickClose(*popup);
    EXPECT_EQ(listener->closes, 1);
    popup->dismissViewControllerAnimated(false);
    app.screen().wait(0.5);
    EXPECT_FALSE(screen->speedListener());
}

}  // namespace
}  // namespace keelbox::test

// The speed test: the dial's table, the operator rate in whole megabits,
// the ring's ticks (0.15 s while waiting, 0.01 s once both answers are in),
// the ten plot points of each direction, cancel and failure.
#include "screens/account/TAVOSpeedTestViewController.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "tests/screens/account/SettingsScreensFixture.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(SpeedTestDial, SpeedsTurnTheNeedleAndTheOperatorRateRoundsUp) {
    auto rotation = TAVORotationView::create();
    rotation->setDictionaryValueToAngle(TAVOSpeedTestViewController::valueToAngle());
    const std::vector<std::pair<double, double>> angles{
        {0, -30}, {32, -10}, {64, 10}, {1024, 157}, {3072, 168.5}, {20480, 210}, {50000, 210}, {-5, -30}};
    for (auto [kb, degrees] : angles)
        EXPECT_NEAR(rotation->angleFromValue(kb), degrees * kPi / 180, 1e-9) << kb;

    const std::vector<std::pair<double, std::string>> rates{
        {0, "0 M"}, {1 / 1024.0, "1 M"}, {1024, "8 M"}, {1100, "9 M"}, {128, "1 M"}};
    for (const auto& [kb, text] : rates)
        EXPECT_EQ(ns::format("%.0f M", TAVOSpeedTestViewController::operatorMegabits(kb)), text) << kb;

    using Split = std::pair<std::string, std::string>;
    EXPECT_EQ(TAVOSpeedTestViewController::splitSpeedText("12.5 MB/s"), Split("12.5", "MB/s"));
    EXPECT_EQ(TAVOSpeedTestViewController::splitSpeedText("0 KB/s"), Split("0", "KB/s"));
    EXPECT_EQ(TAVOSpeedTestViewController::splitSpeedText("none"), Split("", ""));
}

class SpeedTest : public SettingsScreens {
protected:
    void SetUp() override {
        SettingsScreens::SetUp();
        if (HasFatalFailure()) return;
        screen = show(TAVOSpeedTestViewController::create());
    }
    float ring() const { return screen->circleProgressView()->progress(); }
    std::shared_ptr<TAVOSpeedTestViewController> screen;
};

TEST_F(SpeedTest, TheRingWaitsThenRacesAndEachDirectionPlaysItsTenPoints) {
    // Late answers: the ring creeps while it waits.
    emulator::CallFault slow;
    slow.delaySeconds = 1.0;
    fault("router.testSpeed", slow);
    ASSERT_TRUE(app.screen().tap(screen->buttonTestSpeed()));
    EXPECT_EQ(screen->buttonTestSpeed()->currentTitle(), TAVOLocalizedString("cancel test"));
    app.screen().wait(0.15);
    EXPECT_NEAR(ring(), 0.005, 1e-6);
    app.screen().wait(0.15);
    EXPECT_NEAR(ring(), 0.010, 1e-6);

    ASSERT_TRUE(until([&] { return screen->downloadSpeedKB() > 0 && screen->uploadSpeedKB() > 0; }));
    // Type 1 is the download: 1048576 bytes per second.
    EXPECT_DOUBLE_EQ(screen->downloadSpeedKB(), 1024);
    EXPECT_DOUBLE_EQ(screen->uploadSpeedKB(), 256);
    app.screen().wait(0.15);  // the tick under way
    const float before = ring();
    app.screen().wait(0.01);
    EXPECT_NEAR(ring() - before, 0.005, 1e-6) << "both answers in: a tick every 0.01 s";

    app.screen().wait(30);
    EXPECT_TRUE(screen->resultContainerViewVisible());
    EXPECT_EQ(screen->buttonTestSpeed()->currentTitle(), TAVOLocalizedString("test again"));
    EXPECT_FALSE(screen->isTestingSpeed());
    EXPECT_EQ(screen->resultTitleLabel()->text(), ns::format(TAVOLocalizedString("Your speed is: %@"), "1024 KB/s"));
    EXPECT_EQ(screen->resultSubtitleLabel()->text(), ns::format(TAVOLocalizedString("Operator speed is about: %@"), "8 M"));
    for (int column = 0; column < 2; ++column) {
        SCOPED_TRACE(column);
        const double measured = column == 0 ? 1024 : 256;
        const auto& plotted = screen->speedPlotViews()[column]->firstPlot()->values();
        ASSERT_EQ(plotted.size(), 10u);
        const auto& points = column == 0 ? screen->downloadSpeedsKB() : screen->uploadSpeedsKB();
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_FLOAT_EQ(plotted[i], static_cast<float>(points[i]));
            EXPECT_GE(points[i], measured * 0.55 - 1e-9);
            EXPECT_LE(points[i], measured * 1.45 + 1e-9);
            // In steps of a tenth of the measured speed.
            const double steps = (points[i] - measured) / (measured / 10) + 4.5;
            EXPECT_NEAR(steps, std::round(steps), 1e-9);
        }
        EXPECT_DOUBLE_EQ(screen->speedSubtitleLabels()[column]->speedKB(), measured);
        EXPECT_EQ(screen->speedSubtitleLabels()[column]->alpha(), 1);
    }
    EXPECT_NEAR(screen->rotationView()->angle(), -30 * kPi / 180, 1e-9) << "the needle back at 0";
}

TEST_F(SpeedTest, ACancelOrAFailedAnswerReturnsToIdle) {
    emulator::CallFault slow;
    slow.delaySeconds = 0.5;
    fault("router.testSpeed", slow);
    ASSERT_TRUE(app.screen().tap(screen->buttonTestSpeed()));
    app.screen().wait(0.6);
    ASSERT_TRUE(app.screen().tap(screen->buttonTestSpeed()));  // cancel
    EXPECT_TRUE(screen->dataError());
    EXPECT_EQ(ring(), 0);
    app.screen().wait(1.0);
    EXPECT_FALSE(screen->isTestingSpeed());
    EXPECT_EQ(screen->buttonTestSpeed()->currentTitle(), TAVOLocalizedString("test again"));
    EXPECT_EQ(screen->labelCurrentSpeed()->text(), "0");
    const float stopped = ring();
    app.screen().wait(1.0);
    EXPECT_EQ(ring(), stopped) << "no tick after a cancel";

    emulator::CallFault failing;
    failing.errcode = -1;
    failing.errdesc = "speed test is busy";
    fault("router.testSpeed", failing);
    ASSERT_TRUE(app.screen().tap(screen->buttonTestSpeed()));
    ASSERT_TRUE(until([&] { return screen->dataError(); }));
    auto toast = app.screen().toast();
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->type, CustomizedHUDTypeWarning);
    app.screen().wait(1.0);
    EXPECT_FALSE(screen->isTestingSpeed());
}

class ClosingDelegate : public TAVOSpeedTestViewControllerDelegate {
public:
    void speedTestViewControllerWillDismiss(TAVOSpeedTestViewController&) override { ++closed; }
    int closed = 0;
};

TEST_F(SpeedTest, ClosingThePopupTellsTheDelegate) {
    auto delegate = std::make_shared<ClosingDelegate>();
    screen->delegate = delegate;
    auto popup = TAVOPopupViewController::create();
    screen->userDidClickClose(*popup);
    EXPECT_EQ(delegate->closed, 1);
    screen->delegate.reset();
    screen->userDidClickClose(*popup);
    EXPECT_EQ(delegate->closed, 1);
}

}  // namespace
}  // namespace keelbox::test

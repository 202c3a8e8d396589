// The radio power screen and its slider and header: request 34 places the
// header and the slider, a release sends request 35 with 75, 85 or 100, a
// refusal puts the slider back on the power in force.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVORadioPowerAdjustViewController.h"
#include "tests/screens/wifi/WifiScreensFixture.h"

namespace keelbox::test::wifi {
namespace {

using Screen = TAVORadioPowerAdjustViewController;

void setPowers(AppFixture& app, ns::Value powers) {
    changeHomeRouter(app, [&](emulator::EmulatedRouter& r) { r.model.set("radio_power", powers); });
}

ns::Value power(const char* band, int percent) { return ns::Value::dictionary({{"freq", band}, {"power", percent}}); }

class RadioPowerScreen : public ::testing::Test {
protected:
    void open() {
        ASSERT_TRUE(launchOnHomeRouter(app));
        screen = Screen::create();
        app.push(screen);
        ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf(app, "router.getRadioPower").empty(); }));
        app.screen().waitUntil([] { return false; }, 0.3);
        app.screen().wait(0.5);
    }
    // The middle of the slider's bar at the fraction of its width, on the screen.
    cg::Point onBar(double fraction) {
        auto bar = screen->adjustView()->bgView();
        return bar->convertPointToView(cg::PointMake(bar->bounds().size.width * fraction, bar->bounds().size.height / 2),
                                       nullptr);
    }
    AppFixture app;
    std::shared_ptr<Screen> screen;
};

TEST_F(RadioPowerScreen, TheReadingPlacesTheHeaderAndTheSlider) {
    struct Case {
        ns::Value powers;
        int radio;
        int strength;
        int stop;
        const char* detail;
    };
    const std::vector<Case> cases{
        {ns::Value::array({power("2.4G", 100), power("5G", 20)}), 100, 4, 2, "radio power more strong mode for detail"},
        {ns::Value::array({power("5G", 100), power("2.4G", 20)}), 20, 0, 0, "radio power normal mode for detail"},
        {ns::Value::array({power("2.4G", 50)}), 50, 1, 0, "radio power normal mode for detail"},
        {ns::Value::array({power("2.4G", 80)}), 80, 3, 1, "radio power strong mode for detail"},
        {ns::Value::array({power("2.4G", 120)}), 120, 2, 0, "radio power normal mode for detail"},
        // Without the 2.4 GHz record the first record counts.
        {ns::Value::array({power("5G", 85), power("60G", 20)}), 85, 3, 1, "radio power strong mode for detail"},
    };
    ASSERT_TRUE(launchOnHomeRouter(app));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio);
        setPowers(app, c.powers);
        const auto readings = callsOf(app, "router.getRadioPower").size();
        auto shown = Screen::create();
        app.push(shown);
        ASSERT_TRUE(app.screen().waitUntil([&] { return callsOf(app, "router.getRadioPower").size() > readings; }));
        ASSERT_TRUE(app.screen().waitUntil([&] { return shown->radioPower() == c.radio; }));
        app.screen().wait(0.5);
        EXPECT_EQ(shown->headView()->strength(), c.strength);
        EXPECT_EQ(shown->adjustView()->position(), c.stop);
        EXPECT_EQ(shown->introduceLabel()->text(), TAVOLocalizedString(c.detail));
    }
}

TEST_F(RadioPowerScreen, BeforeTheReadingAndForAnEmptyListThePowerIsZero) {
    setPowers(app, ns::Value(ns::Array{}));
    open();
    EXPECT_EQ(screen->radioPower(), 0);
    EXPECT_EQ(screen->headView()->strength(), 0);
    EXPECT_EQ(screen->headView()->introduceLabel()->text(), TAVOLocalizedString("radio power most weak mode for title"));
    EXPECT_EQ(screen->adjustView()->position(), 0);
    EXPECT_EQ(screen->introduceLabel()->text(), TAVOLocalizedString("radio power normal mode for detail"));
}

TEST_F(RadioPowerScreen, ReleasingTheKnobSendsItsStop) {
    open();
    ASSERT_EQ(screen->radioPower(), 100);
    struct Case {
        double from;
        double to;
        int sent;
        int stop;
    };
    // From the right end to the middle, to the left, and back to the right;
    // a release on the stop in force sends it again.
    const std::vector<Case> cases{{0.93, 0.5, 85, 1}, {0.5, 0.05, 75, 0}, {0.05, 0.8, 100, 2}, {0.93, 0.97, 100, 2}};
    std::size_t count = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sent);
        ASSERT_TRUE(app.screen().drag(onBar(c.from), onBar(c.to)));
        ++count;
        ASSERT_TRUE(app.screen().waitUntil([&] { return callsOf(app, "router.updateRadioPower").size() == count; }));
        ASSERT_TRUE(app.screen().waitUntil([&] { return screen->radioPower() == c.sent && screen->lastRadioPower() == -1; }));
        const auto sent = callsOf(app, "router.updateRadioPower").back();
        EXPECT_EQ(sent["freq"].stringValue(), "2.4G");
        EXPECT_EQ(sent["power"].intValue(), c.sent);
        app.screen().wait(0.5);
        EXPECT_EQ(screen->adjustView()->position(), c.stop);
    }
}

TEST_F(RadioPowerScreen, ARefusedSettingPutsTheSliderBack) {
    open();
    app.peers().router().setCallFault("router.updateRadioPower", emulator::CallFault::error(-7, "radio busy"));
    ASSERT_TRUE(app.screen().drag(onBar(0.93), onBar(0.05)));
    ASSERT_TRUE(app.screen().waitUntil([&] { return app.screen().toast().has_value(); }));
    app.screen().wait(0.5);
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    EXPECT_EQ(screen->radioPower(), 100);
    EXPECT_EQ(screen->adjustView()->position(), 2);
    EXPECT_EQ(screen->headView()->strength(), 4);
}

TEST(SignalAdjustingControl, ReleasesSnapToTheNearestStopAndAlwaysTellTheDelegate) {
    struct Heard : TAVOSignalAdjustingControlViewDelegate {
        std::vector<int> stops;
        void adjustControl(TAVOSignalAdjustingControlView&, int position) override { stops.push_back(position); }
    };
    auto heard = std::make_shared<Heard>();
    auto slider = TAVOSignalAdjustingControlView::create(cg::RectMake(0, 0, 320, 60));
    slider->setDelegate(heard);
    const double bar = slider->bgView()->frame().size.width;
    const double knob = slider->adjustImageView()->frame().size.width;
    EXPECT_EQ(bar, 320 - 36);
    EXPECT_EQ(slider->adjustImageView()->center().x, knob / 2 + 1);

    slider->setPosition(0);
    slider->setPosition(2);
    EXPECT_TRUE(heard->stops.empty()) << "code never tells";
    EXPECT_EQ(slider->adjustImageView()->center().x, bar - knob / 2 - 1);
    EXPECT_EQ(slider->currentRadioIndicator()->frame().size.width, bar - knob / 2 - 1);

    struct Case {
        double x;
        int stop;
    };
    for (const auto& c : std::vector<Case>{{bar * 0.8, 2}, {bar * 0.7, 1}, {bar * 0.3, 1}, {bar * 0.2, 0}, {-40, 0}, {bar + 40, 2}}) {
        SCOPED_TRACE(c.x);
        slider->update(cg::PointMake(c.x, 0), false);
        slider->update(cg::PointMake(c.x, 0), true);
        EXPECT_EQ(slider->position(), c.stop);
        EXPECT_EQ(heard->stops.back(), c.stop);
    }
    EXPECT_EQ(heard->stops.size(), 6u);
    slider->update(cg::PointMake(bar, 0), true);
    EXPECT_EQ(heard->stops.size(), 7u) << "a release on the same stop tells again";
}

TEST(SignalAdjustingHeader, TheStrengthNamesItsTitle) {
    auto header = TAVOSignalAdjustingHeaderView::create(cg::RectMake(0, 0, 320, 343));
    EXPECT_EQ(header->maxStrength(), 5);
    EXPECT_EQ(header->iconView()->center(), cg::PointMake(160, 343 / 2.0 + 25));
    header->setStrength(3);
    EXPECT_TRUE(header->waveView()->isAnimating());
    EXPECT_EQ(header->strength(), 3);
    EXPECT_EQ(header->introduceLabel()->text(), TAVOLocalizedString("radio power strong mode for title"));
    header->setStrength(7);
    EXPECT_EQ(header->introduceLabel()->text(), "");
    header->endAnimation();
    EXPECT_FALSE(header->waveView()->isAnimating());
}

}  // namespace
}  // namespace keelbox::test::wifi

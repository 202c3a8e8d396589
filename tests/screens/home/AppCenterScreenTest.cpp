// The app center: its tiles, their pictures from the router's status and
// radio power, and a tile opening its tool (with what the tool must know)
// only while the router can be reached.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/NavigationController.h"
#include "screens/home/TAVOAppCenterViewController.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVORadioPowerTaking.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOWiFiStateTaking.h"

namespace keelbox::test {
namespace {

constexpr double kAnswerSeconds = 20;

// Stands in for the Wi-Fi switch screen of the sibling module.
class DoorTool : public ui::ViewController, public TAVOWiFiStateTaking {
public:
    using ViewController::ViewController;
    static std::shared_ptr<DoorTool> create() { return make<DoorTool>(); }
    void setWifiOpen(bool open) override { told = open; }
    std::optional<bool> told;
};

class AppCenterScreen : public ::testing::Test {
protected:
    void SetUp() override {
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
            r.model.set("radio_power", ns::Value::array({ns::Value::dictionary({{"freq", "5G"}, {"power", 20}}),
                                                         ns::Value::dictionary({{"freq", "2.4G"}, {"power", 80}})}));
        });
        ASSERT_TRUE(app.launch({.storedAccount = EmulatedPeers::kDemoUser}));
        // The dashboard polls the router's status.
        ASSERT_TRUE(app.reachRouterStatus(kAnswerSeconds));
        center = TAVOAppCenterViewController::create();
        app.push(center);
        app.screen().wait(0.2);
    }
    void TearDown() override { TAVOScreenClassRegistry::unregisterClass("TAVOWIFIDoorViewController"); }
    std::string shownImage(std::size_t tile) const {
        auto image = center->items().at(tile)->imageForState(ui::ControlStateNormal);
        return image ? image->name() : "";
    }

    AppFixture app;
    std::shared_ptr<TAVOAppCenterViewController> center;
};

TEST_F(AppCenterScreen, TilesShowTheLightsTheWiFiAndThePowerOfTheBandInUse) {
    ASSERT_EQ(center->items().size(), 3u);
    const cg::Rect second = center->items()[1]->frame();
    EXPECT_EQ(center->items()[0]->frame(), cg::RectMake(10, 0, 140, 114));
    EXPECT_EQ(second, cg::RectMake(320 - 20 - 140, 0, 140, 114));
    EXPECT_EQ(center->items()[2]->frame().origin.y, 100 + 35);
    EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString("Radio power adjust")));

    ASSERT_TRUE(app.screen().waitUntil([&] { return center->radioPower() == 80; }, kAnswerSeconds));
    EXPECT_EQ(shownImage(0), "icon_led_open_indicator");
    EXPECT_EQ(shownImage(1), "icon_wifi_open_indicator");
    EXPECT_EQ(shownImage(2), "icon_radio_indicator_4");

    // No record for the band in use: the first record's power is shown.
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
        r.model.set("radio_power", ns::Value::array({ns::Value::dictionary({{"freq", "5G"}, {"power", 20}})}));
    });
    center->getRadio();
    ASSERT_TRUE(app.screen().waitUntil([&] { return center->radioPower() == 20; }, kAnswerSeconds));
    EXPECT_EQ(shownImage(2), "icon_radio_indicator_1");
}

TEST_F(AppCenterScreen, ATileOpensItsToolOnlyWhileTheRouterCanBeReached) {
    std::shared_ptr<DoorTool> opened;
    TAVOScreenClassRegistry::registerClass("TAVOWIFIDoorViewController", [&] {
        opened = DoorTool::create();
        return opened;
    });
    auto facade = TAVOAccountManager::shareInstance();
    // The router lost: the tap is refused.
    facade->setCurrentRouterCriticalErrorCode(TAVOAccountManager::kRouterLostConnect);
    ASSERT_TRUE(app.screen().tap(center->items()[1]));
    EXPECT_FALSE(opened);
    EXPECT_EQ(app.screen().topScreen(), center);
    ASSERT_TRUE(app.screen().toast());
    app.screen().wait(3.0);  // the refusal's toast goes

    facade->setCurrentRouterCriticalErrorCode(0);
    ASSERT_TRUE(app.screen().tap(center->items()[1]));
    app.screen().wait(0.5);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->told, std::optional<bool>(true));
    EXPECT_EQ(app.screen().topScreen(), opened);
}

}  // namespace
}  // namespace keelbox::test

// The device rows drawn from device records: icon, 5 GHz signal, cut-off
// mark, speed-limit mark, phone badge; the expand arrow's events; the two
// buttons of an unfamiliar row and their action indices.
#include <gtest/gtest.h>

#include "platform/ui/Window.h"
#include "screens/wifi/TAVOBlackDeviceItemCell.h"
#include "screens/wifi/TAVODeviceItemCell.h"
#include "screens/wifi/TAVOUnfamiliarCell.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

TAVORouterJoiningDevicePtr device(int wifi, int point, int control, bool limited = false) {
    auto d = TAVORouterJoiningDevice::create();
    d->end_name = "box";
    d->end_mac = "02:00:00:00:00:01";
    d->is_wifi = wifi;
    d->connect_point = point;
    d->net_control = control;
    d->isLimitSpeed = limited;
    d->end_spdup = 2048;
    d->end_spddown = 3 * 1024 * 1024;
    return d;
}

std::string imageName(const ui::ImageViewPtr& view) { return view->image() ? view->image()->name() : ""; }

TEST(DeviceItemCell, DrawsEachKindOfDevice) {
    struct Case {
        const char* what;
        TAVORouterJoiningDevicePtr device;
        bool signal;
        bool cutOff;
        std::string icon;
    };
    const std::vector<Case> cases{
        {"Wi-Fi on 2.4 GHz", device(1, 0, 3), false, false, "device_icon_phone"},
        {"Wi-Fi on 5 GHz", device(1, 2, 3), true, false, "device_icon_phone"},
        {"wired, open", device(0, 0, 3), false, false, "device-list_pc"},
        {"wired, cut off", device(0, 0, 2), false, true, "device-list_pc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto cell = TAVODeviceItemCell::create("deviceCell");
        cell->setDevice(c.device);
        EXPECT_EQ(cell->strengthIndicator()->isHidden(), !c.signal);
        EXPECT_EQ(cell->labelFor5G()->isHidden(), !c.signal);
        if (c.signal) {
            EXPECT_EQ(imageName(cell->strengthIndicator()), "device_icon_wifi_full");
        }
        EXPECT_EQ(cell->disconnectIndicator()->isHidden(), !c.cutOff);
        EXPECT_EQ(imageName(cell->iconView()), c.icon);
        EXPECT_EQ(cell->name()->text(), "box");
        EXPECT_EQ(cell->uploadSpeed()->text(), "2.00KB/s");
        EXPECT_EQ(cell->downloadSpeed()->text(), "3.00MB/s");
        EXPECT_TRUE(cell->limitMark()->isHidden());
    }
}

TEST(DeviceItemCell, AnEmptyRecordChangesNothingAndTheMarksFollowTheRecord) {
    auto cell = TAVODeviceItemCell::create("deviceCell");
    cell->setFrame(cg::RectMake(0, 0, 320, 62));
    cell->setCellHeight(62);
    cell->setDevice(device(0, 0, 2, true));
    cell->setDevice(nullptr);
    EXPECT_FALSE(cell->disconnectIndicator()->isHidden()) << "a null record changes nothing";
    ASSERT_TRUE(cell->device());
    cell->layoutIfNeeded();
    EXPECT_FALSE(cell->limitMark()->isHidden());
    EXPECT_EQ(cell->limitMark()->frame().origin.x, cg::RectGetMaxX(cell->name()->frame()) + 5);
    EXPECT_EQ(cell->limitMark()->frame().size.width, 30);

    EXPECT_TRUE(cell->adminView()->isHidden());
    cell->setIsLocal(true);
    EXPECT_FALSE(cell->adminView()->isHidden());
    cell->setIsLocal(false);
    EXPECT_TRUE(cell->adminView()->isHidden());
}

TEST(DeviceItemCell, SignalImagesByStrength) {
    const std::vector<std::pair<int, std::string>> cases{
        {100, "device_icon_wifi_full"}, {80, "device_icon_wifi_full"}, {79, "device_icon_wifi_three"},
        {60, "device_icon_wifi_three"}, {59, "device_icon_wifi_two"},   {40, "device_icon_wifi_two"},
        {39, "device_icon_wifi_one"},   {1, "device_icon_wifi_one"},    {0, "device_icon_wifi_none"},
        {-5, "device_icon_wifi_none"},
    };
    for (const auto& [strength, name] : cases) EXPECT_EQ(TAVODeviceItemCell::strengthImageName(strength), name) << strength;
}

struct Recorder : TAVODeviceItemCellDelegate, TAVOUnfamiliarCellDelegate {
    std::vector<int> events;
    std::vector<int> buttons;
    void cellEvent(TAVODeviceItemCell&, int event) override { events.push_back(event); }
    void unfamiliarCellDidSelectButtonAtIndex(TAVOUnfamiliarCell&, int index) override { buttons.push_back(index); }
};

TEST(DeviceItemCell, TheArrowAsksToOpenAClosedRowAndToCloseAnOpenOne) {
    auto recorder = std::make_shared<Recorder>();
    auto cell = TAVODeviceItemCell::create("deviceCell");
    cell->expendIndicatorIsClicked();
    EXPECT_TRUE(recorder->events.empty()) << "no delegate, nothing";
    cell->setEventDelegate(recorder);
    cell->expendIndicatorIsClicked();
    EXPECT_EQ(recorder->events, std::vector<int>{TAVODeviceItemCell::kEventOpen});
    cell->changeIndicatorState(false);
    EXPECT_NE(cell->expendIndicator()->transform().b, 0);
    cell->changeIndicatorState(true);
    EXPECT_EQ(cell->expendIndicator()->transform().b, 0);
}

TEST(UnfamiliarCell, ItsButtonsSendTheAdmitAndBlacklistIndices) {
    auto recorder = std::make_shared<Recorder>();
    auto cell = TAVOUnfamiliarCell::create("unfarmiliarCell");
    cell->setFrame(cg::RectMake(0, 0, 320, 62));
    cell->setCellHeight(62);
    cell->setClickDelegate(recorder);
    cell->setDevice(device(1, 2, 0));
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->accessBtn()->frame(), cg::RectMake(320 - 116, 0, 58, 62));
    EXPECT_EQ(cell->forbiddenBtn()->frame(), cg::RectMake(320 - 58, 0, 58, 62));
    EXPECT_LE(cg::RectGetMaxX(cell->name()->frame()), 204);
    cell->accessBtn()->sendActionsForControlEvents(ui::ControlEventTouchUpInside);
    cell->forbiddenBtn()->sendActionsForControlEvents(ui::ControlEventTouchUpInside);
    EXPECT_EQ(recorder->buttons, (std::vector<int>{0, 2}));
}

TEST(BlackDeviceItemCell, WiredDevicesShowTheComputerIcon) {
    auto cell = TAVOBlackDeviceItemCell::create("deviceCell");
    cell->setDevice(device(0, 0, 3));
    EXPECT_EQ(imageName(cell->iconView()), "device-list_pc");
    cell->setDevice(device(1, 0, 3));
    EXPECT_EQ(imageName(cell->iconView()), "device_icon_phone");
    cell->setDevice(nullptr);
    EXPECT_EQ(imageName(cell->iconView()), "device_icon_phone");
}

}  // namespace
}  // namespace keelbox::test

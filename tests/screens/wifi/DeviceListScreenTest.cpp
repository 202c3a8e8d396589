// The connected-device list: a reply sorted into unfamiliar, family and
// guest sections (only the non-empty ones, in that order), polled every 5 s
// while on screen, the phone's own row marked, open rows tracked and closed
// by scrolling, and the first failure after an appearance told once.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/foundation/Format.h"
#include "platform/ui/NavigationController.h"
#include "screens/wifi/TAVODeviceListSections.h"
#include "screens/wifi/TAVODevicesListViewController.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "widgets/TAVOCellIndicator.h"
#include "tests/screens/wifi/DeviceListDriver.h"

namespace keelbox::test {
namespace {

using Kind = TAVODeviceListSections::Kind;
constexpr const char* kPhone = "192.168.0.100";

TAVORouterJoiningDevicePtr record(const std::string& name, const std::string& ip, int wifi, int point, int control) {
    auto d = TAVORouterJoiningDevice::create();
    d->end_name = name;
    d->end_mac = "mac-" + name;
    d->end_ipv4 = ip;
    d->is_wifi = wifi;
    d->connect_point = point;
    d->net_control = control;
    return d;
}

std::vector<std::string> names(const TAVODeviceListSections::List& list) {
    std::vector<std::string> out;
    for (const auto& d : list) out.push_back(d->end_name);
    return out;
}

TEST(DeviceListSections, SortsEachDeviceIntoOneListWithThePhoneOnTopOfTheFamily) {
    const ns::Value reply = ns::Value::array({
        ns::Value(record("laptop", "10.0.0.2", 1, 0, 3)),
        ns::Value(record("new", "10.0.0.3", 1, 2, 0)),
        ns::Value(record("wired-guest-point", "10.0.0.4", 0, 1, 3)),
        ns::Value(record("visitor", "10.0.0.5", 1, 1, 3)),
        ns::Value(record("new-but-the-phone", kPhone, 1, 2, 0)),
        ns::Value(record("wired-new", "10.0.0.6", 0, 0, 0)),
    });
    const auto s = TAVODeviceListSections::seperateFamilyAndGuestList(reply, kPhone);
    EXPECT_EQ(names(s.needAllowList), (std::vector<std::string>{"new", "wired-new"}));
    EXPECT_EQ(names(s.devicesList), (std::vector<std::string>{"new-but-the-phone", "laptop", "wired-guest-point"}));
    EXPECT_EQ(names(s.guestsList), (std::vector<std::string>{"visitor"}));

    const auto nothing = TAVODeviceListSections::seperateFamilyAndGuestList(ns::Value(), kPhone);
    EXPECT_TRUE(nothing.isEmpty());
    EXPECT_EQ(nothing.numberOfSections(), 1);
    EXPECT_EQ(nothing.deviceAt(0, 0), nullptr);
}

TEST(DeviceListSections, SectionsAreTheNonEmptyListsInOrderAndRowsReadTheSameMapping) {
    struct Case {
        const char* what;
        bool unfamiliar, family, guest;
        std::vector<Kind> kinds;
    };
    const std::vector<Case> cases{
        {"all three", true, true, true, {Kind::Unfamiliar, Kind::Family, Kind::Guest}},
        {"family only", false, true, false, {Kind::Family}},
        {"no family", true, false, true, {Kind::Unfamiliar, Kind::Guest}},
        {"guests only", false, false, true, {Kind::Guest}},
        {"family and guests", false, true, true, {Kind::Family, Kind::Guest}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TAVODeviceListSections s;
        if (c.unfamiliar) s.needAllowList = {record("u", "1", 1, 2, 0)};
        if (c.family) s.devicesList = {record("f", "2", 1, 2, 3)};
        if (c.guest) s.guestsList = {record("g", "3", 1, 1, 3)};
        ASSERT_EQ(s.numberOfSections(), static_cast<long>(c.kinds.size()));
        for (long i = 0; i < s.numberOfSections(); ++i) {
            EXPECT_EQ(s.kindOfSection(i), c.kinds[static_cast<std::size_t>(i)]);
            EXPECT_EQ(s.deviceAt(i, 0), s.listOf(c.kinds[static_cast<std::size_t>(i)]).front());
            EXPECT_EQ(s.deviceAt(i, 1), nullptr) << "a row beyond its list";
        }
        EXPECT_FALSE(s.kindOfSection(s.numberOfSections()));
    }
}

class DeviceListScreen : public DeviceListDriver {};

TEST_F(DeviceListScreen, ShowsTheSectionsWithTheirCountsAndMarksThePhonesOwnRow) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    EXPECT_TRUE(waitForText(ns::format("    %@ (%d)", TAVOLocalizedString("unfarmilion networks"), 1)));
    EXPECT_TRUE(waitForText(ns::format("    %@ (%d)", TAVOLocalizedString("family networks"), 6)));
    const auto& s = list->sections();
    EXPECT_EQ(names(s.needAllowList), (std::vector<std::string>{"new-tablet"}));
    EXPECT_EQ(names(s.devicesList), (std::vector<std::string>{"my-phone", "living-room-pad", "office-pc", "old-laptop",
                                                              "game-console", "media-box"}));
    EXPECT_EQ(names(s.guestsList), (std::vector<std::string>{"visitor-watch"}));

    auto phone = deviceCell("my-phone");
    ASSERT_TRUE(phone);
    EXPECT_TRUE(phone->isLocal());
    EXPECT_FALSE(phone->adminView()->isHidden());
    EXPECT_EQ(titlesOf(phone->rightUtilityButtons()),
              (std::vector<std::string>{TAVOLocalizedString("change the nick name"), TAVOLocalizedString("limit speed")}));
    auto pad = deviceCell("living-room-pad");
    ASSERT_TRUE(pad);
    EXPECT_FALSE(pad->isLocal());
    EXPECT_EQ(titlesOf(pad->rightUtilityButtons()),
              (std::vector<std::string>{TAVOLocalizedString("change the nick name"), TAVOLocalizedString("limit speed"),
                                        TAVOLocalizedString("add to black list")}));
    auto guest = deviceCell("visitor-watch");
    ASSERT_TRUE(guest);
    EXPECT_EQ(guest->reuseIdentifier(), "guestCell");
}

TEST_F(DeviceListScreen, PollsEveryFiveSecondsOnlyWhileOnScreen) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    const std::size_t first = calls("device.getDeviceList").size();
    app.screen().wait(4.5);
    EXPECT_EQ(calls("device.getDeviceList").size(), first) << "not before 5 s";
    app.screen().wait(0.5);
    EXPECT_TRUE(waitForCalls("device.getDeviceList", first + 1));
    changeRouter([](emulator::EmulatedRouter& r) {
        ns::Value devices = r.model["devices"];
        devices.mutableArray().pop_back();
        r.model.set("devices", devices);
    });
    EXPECT_TRUE(app.screen().waitWhileTimePasses(
        [&] {
            return list->sections().devicesList.size() == 5;
        },
        kAnswerSeconds));

    // A refusal keeps the poll going, silently after the first answer.
    setFault("device.getDeviceList", emulator::CallFault::error(-1, "busy"));
    const std::size_t before = calls("device.getDeviceList").size();
    app.screen().wait(5.0);
    EXPECT_TRUE(waitForCalls("device.getDeviceList", before + 1));
    app.screen().waitUntil([] { return false; }, 0.5);
    EXPECT_FALSE(app.screen().toast()) << "later failures are silent";

    list->navigationController()->popViewControllerAnimated(false);
    app.screen().wait(1.0);
    const std::size_t left = calls("device.getDeviceList").size();
    app.screen().wait(15.0);
    app.screen().waitUntil([] { return false; }, 0.5);
    EXPECT_EQ(calls("device.getDeviceList").size(), left);
}

TEST_F(DeviceListScreen, TheFirstFailureAfterAnAppearanceIsToldOnce) {
    ASSERT_TRUE(launchAtHome());
    setFault("device.getDeviceList", emulator::CallFault::error(-1, "router busy"));
    pushList();
    EXPECT_TRUE(waitForWarning());
    EXPECT_FALSE(list->isFirst());
    app.screen().wait(3.0);
    app.screen().wait(5.0);
    EXPECT_TRUE(waitForCalls("device.getDeviceList", 2));
    app.screen().waitUntil([] { return false; }, 0.5);
    EXPECT_FALSE(app.screen().toast()) << "later failures are silent";
}

TEST_F(DeviceListScreen, AnEmptyReplyShowsTheBlankRow) {
    ASSERT_TRUE(launchAtHome([](emulator::EmulatedRouter& r) { r.model.set("devices", ns::Value(ns::Array{})); }));
    ASSERT_TRUE(openList());
    EXPECT_EQ(list->tableView()->numberOfSections(), 1);
    EXPECT_EQ(list->tableView()->numberOfRowsInSection(0), 1);
    EXPECT_EQ(list->heightForHeaderInSection(*list->tableView(), 0), 0);
    EXPECT_TRUE(waitForText(TAVOLocalizedString("no device")));
}

TEST_F(DeviceListScreen, TheArrowOpensAndClosesARowAndScrollingClosesIt) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    auto pad = deviceCell("living-room-pad");
    ASSERT_TRUE(pad);
    ASSERT_TRUE(app.screen().tap(pad->expendIndicator()));
    app.screen().wait(0.5);
    EXPECT_EQ(pad->cellState(), SlideCellState::Right);
    ASSERT_TRUE(list->openCellDevice());
    EXPECT_EQ(list->openCellDevice()->end_name, "living-room-pad");
    EXPECT_NE(pad->expendIndicator()->transform().b, 0) << "turned to the open position";

    ASSERT_TRUE(app.screen().tap(pad->expendIndicator()));
    app.screen().wait(0.5);
    EXPECT_EQ(pad->cellState(), SlideCellState::Center);
    EXPECT_FALSE(list->openCellDevice());

    ASSERT_TRUE(app.screen().tap(pad->expendIndicator()));
    app.screen().wait(0.5);
    ASSERT_TRUE(list->openCellDevice());
    list->tableView()->setContentOffset(cg::PointMake(0, 30));
    app.screen().wait(0.5);
    EXPECT_FALSE(list->openCellDevice());
    auto again = deviceCell("living-room-pad");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->cellState(), SlideCellState::Center);
}

TEST_F(DeviceListScreen, TheFooterOpensTheBlacklist) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    std::shared_ptr<TAVOCellIndicator> footer;
    for (const auto& v : list->tableView()->tableFooterView()->subviews())
        if (auto indicator = std::dynamic_pointer_cast<TAVOCellIndicator>(v)) footer = indicator;
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->content()->text(), TAVOLocalizedString("black device list"));
    auto table = list->tableView();
    table->setContentOffset(
        cg::PointMake(0, std::max(0.0, table->contentSize().height + 20 - table->bounds().size.height)));
    app.screen().wait(0.1);
    ASSERT_TRUE(app.screen().tap(footer->bgButton()));
    app.screen().wait(1.0);
    EXPECT_TRUE(std::dynamic_pointer_cast<TAVORouterBlackListViewController>(app.screen().topScreen()));
}

}  // namespace
}  // namespace keelbox::test

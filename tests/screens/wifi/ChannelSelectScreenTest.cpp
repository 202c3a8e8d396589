// The advanced Wi-Fi settings and the channel choice lists: the labels of
// the router's values, the confirmation, requests 50 and 51 and what a
// confirmed choice leaves behind.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "screens/wifi/TAVOChannelSelectViewController.h"
#include "screens/wifi/TAVORouterInfoStringConverter.h"
#include "screens/wifi/TAVOWiFiAdvancedSettingViewController.h"
#include "tests/screens/wifi/WifiScreensFixture.h"

namespace keelbox::test::wifi {
namespace {

using Converter = TAVORouterInfoStringConverter;

TEST(RouterInfoStringConverter, LabelsAndTheFiveGigahertzNumbering) {
    EXPECT_EQ(Converter::twogChannelArray().size(), 14u);
    EXPECT_EQ(Converter::twogChannelArray()[13], "信道13");
    EXPECT_EQ(Converter::fivegChannelArray(),
              (std::vector<std::string>{"自动", "信道149", "信道153", "信道157", "信道161", "信道165"}));
    EXPECT_EQ(Converter::bandWidthArry(), (std::vector<std::string>{"20MHz", "40MHz", "自动"}));
    struct Case {
        int value;
        const char* channel;
        const char* bandWidth;
    };
    for (const auto& c : std::vector<Case>{{-1, "", ""}, {0, "自动", "20MHz"}, {2, "当前2信道", "自动"},
                                           {6, "当前6信道", ""}, {36, "当前36信道", ""}, {-7, "当前-7信道", ""}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Converter::getTwogChannelStringByIndex(c.value), c.channel);
        EXPECT_EQ(Converter::getFivegChannelStringByIndex(c.value), c.channel);
        EXPECT_EQ(Converter::getBandWidthStringByIndex(c.value), c.bandWidth);
    }
    for (const auto& [channel, row] : std::vector<std::pair<int, int>>{{149, 1}, {165, 5}, {36, 0}, {0, 0}, {150, 0}}) {
        EXPECT_EQ(Converter::getViewFivegIndexByServerIndex(channel), row) << channel;
    }
    for (const auto& [row, channel] : std::vector<std::pair<int, int>>{{0, 0}, {3, 157}, {5, 165}, {6, 0}, {-1, 0}}) {
        EXPECT_EQ(Converter::getServerFivegIndexByViewIndex(row), channel) << row;
    }
}

void setBand(emulator::EmulatedRouter& r, const char* band, const char* key, const ns::Value& value) {
    ns::Value settings = r.model[band];
    if (value.isNil()) settings.mutableDictionary().remove(key);
    else settings.mutableDictionary().set(key, value);
    r.model.set(band, settings);
}

class ChannelScreens : public ::testing::Test {
protected:
    void open() {
        ASSERT_TRUE(launchOnHomeRouter(app));
        advanced = TAVOWiFiAdvancedSettingViewController::create();
        app.push(advanced);
        app.screen().wait(0.5);
    }
    std::string valueOfRow(long section, long row) {
        auto cell = advanced->advanceSettingTB()->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(row, section));
        return cell ? cell->detailTextLabel()->text() : "<no row>";
    }
    std::shared_ptr<TAVOChannelSelectViewController> choose(long section, long row) {
        EXPECT_TRUE(app.screen().selectRow(advanced->advanceSettingTB(), ui::IndexPath::indexPathForRow(row, section)));
        app.screen().wait(1.0);
        return std::dynamic_pointer_cast<TAVOChannelSelectViewController>(app.screen().topScreen());
    }
    // The rows that carry the check mark.
    static std::vector<long> marked(const std::shared_ptr<TAVOChannelSelectViewController>& list) {
        std::vector<long> rows;
        for (long row = 0; row < list->tableView()->numberOfRowsInSection(0); ++row) {
            auto cell = list->tableView()->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(row, 0));
            if (cell && cell->accessoryView()) rows.push_back(row);
        }
        return rows;
    }
    AppFixture app;
    std::shared_ptr<TAVOWiFiAdvancedSettingViewController> advanced;
};

TEST_F(ChannelScreens, TheSettingsShowTheRoutersValues) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        setBand(r, "wifi_2g", "channel_set", "6");
        setBand(r, "wifi_5g", "channel_set", "36");
        setBand(r, "wifi_2g", "bandwidth_set", "1");
    });
    open();
    EXPECT_EQ(advanced->advanceSettingTB()->numberOfSections(), 2);
    EXPECT_EQ(valueOfRow(0, 0), "当前6信道");
    EXPECT_EQ(valueOfRow(0, 1), "当前36信道");
    EXPECT_EQ(valueOfRow(1, 0), "40MHz");
    EXPECT_TRUE(app.screen().viewWithText("2.4G频宽选择"));

    // A 5 GHz channel outside the list opens with "自动" marked.
    auto list = choose(0, 1);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->titleStr, "5G 信道选择");
    EXPECT_EQ(list->items().size(), 6u);
    EXPECT_EQ(marked(list), std::vector<long>{0});
}

TEST_F(ChannelScreens, WithoutABandwidthOnlyTheChannelsAreListed) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        setBand(r, "wifi_2g", "bandwidth_set", ns::Value());
        setBand(r, "wifi_2g", "channel_set", ns::Value());
    });
    open();
    EXPECT_EQ(advanced->advanceSettingTB()->numberOfSections(), 1);
    EXPECT_EQ(valueOfRow(0, 0), "当前6信道") << "the working channel when none is set";
    EXPECT_EQ(valueOfRow(0, 1), "自动");
}

TEST_F(ChannelScreens, AConfirmedChannelIsSentMarkedAndShownOnTheWayBack) {
    open();
    auto list = choose(0, 1);
    ASSERT_TRUE(list);
    ASSERT_TRUE(app.screen().selectRow(list->tableView(), ui::IndexPath::indexPathForRow(3, 0)));
    auto alert = app.screen().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), TAVOLocalizedString("dialog reminder"));
    EXPECT_EQ(alert->message(), "是否切换为信道157?");
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{TAVOLocalizedString("cancel"), TAVOLocalizedString("sure")}));
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("cancel")));
    app.screen().waitUntil([] { return false; }, 0.3);
    EXPECT_TRUE(callsOf(app, "wifi.setchannel").empty());
    EXPECT_EQ(marked(list), std::vector<long>{0});
    app.screen().wait(1.0);

    ASSERT_TRUE(app.screen().selectRow(list->tableView(), ui::IndexPath::indexPathForRow(3, 0)));
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("sure")));
    ASSERT_TRUE(app.screen().waitUntil([&] { return marked(list) == std::vector<long>{3}; }));
    const auto sent = callsOf(app, "wifi.setchannel");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["type"].intValue(), 2);
    EXPECT_EQ(sent[0]["channel"].intValue(), 157);
    auto toast = app.screen().toast();
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->text, "信道切换成功");
    EXPECT_EQ(toast->type, CustomizedHUDTypeInfo);
    EXPECT_FALSE(list->countDownView()) << "a channel needs no restart";
    EXPECT_EQ(listenerStatus()->fiveGConfig->wifi_channel_set.stringValue(), "157");

    list->leftNavItemPressed();
    app.screen().wait(1.0);
    EXPECT_EQ(valueOfRow(0, 1), "当前157信道");
}

TEST_F(ChannelScreens, ABandwidthIsFollowedByTheRestartCountDown) {
    open();
    auto list = choose(1, 0);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->type, TAVOChannelSelectViewController::BandWidth);
    ASSERT_TRUE(app.screen().selectRow(list->tableView(), ui::IndexPath::indexPathForRow(1, 0)));
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("sure")));
    ASSERT_TRUE(app.screen().waitUntil([&] { return list->countDownView() != nullptr; }));
    const auto sent = callsOf(app, "wifi.setwifibandwidth");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["bw"].intValue(), 1);
    EXPECT_EQ(sent[0]["restart"].intValue(), 1);
    EXPECT_EQ(marked(list), std::vector<long>{1});
    EXPECT_EQ(listenerStatus()->twoGConfig->wifi_bandwidth_set.stringValue(), "1");
    EXPECT_EQ(app.peers().state().router(EmulatedPeers::kHomeRouter)->model["wifi_2g"]["bandwidth_set"].stringValue(), "1");
    app.screen().wait(20.0);
    EXPECT_FALSE(list->countDownView());
    EXPECT_EQ(app.screen().topScreen(), list) << "the list stays open";
}

TEST_F(ChannelScreens, ARefusedChoiceWarnsAndKeepsTheMark) {
    open();
    app.peers().router().setCallFault("wifi.setchannel", emulator::CallFault::error(-2, "channel not allowed"));
    auto list = choose(0, 0);
    ASSERT_TRUE(list);
    EXPECT_EQ(marked(list), std::vector<long>{0});
    ASSERT_TRUE(app.screen().selectRow(list->tableView(), ui::IndexPath::indexPathForRow(11, 0)));
    EXPECT_EQ(app.screen().alert()->message(), "是否切换为信道11?");
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("sure")));
    ASSERT_TRUE(app.screen().waitUntil([&] { return app.screen().toast().has_value(); }));
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    EXPECT_EQ(callsOf(app, "wifi.setchannel").size(), 1u);
    EXPECT_EQ(marked(list), std::vector<long>{0});
    EXPECT_EQ(listenerStatus()->twoGConfig->wifi_channel_set.stringValue(), "0");
}

}  // namespace
}  // namespace keelbox::test::wifi

#include <gtest/gtest.h>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOStatusTextColorUtility.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "platform/ui/Image.h"

namespace {
std::string nameOf(const std::shared_ptr<ui::Image>& image) { return image ? image->name() : "<nil>"; }
}  // namespace

TEST(ImageLookup, StatusBarStyleByScreenName) {
    auto utility = TAVOStatusTextColorUtility::sharedInstance();
    EXPECT_EQ(utility, TAVOStatusTextColorUtility::sharedInstance());
    EXPECT_EQ(utility->getStatusBarStyleByViewControllerName("TAVOSpeedupModeViewController"), 1);
    EXPECT_EQ(utility->getStatusBarStyleByViewControllerName("MPAlbumPickerController"), 1);
    EXPECT_EQ(utility->getStatusBarStyleByViewControllerName("TAVOSettingViewController"), 0);
    EXPECT_EQ(utility->getStatusBarStyleByViewControllerName("NoSuchViewController"), 0);
    EXPECT_EQ(utility->getColorState("TAVOWiFiPwdViewController"), std::optional<std::string>("Black"));
    EXPECT_FALSE(utility->getColorState("tavowifipwdviewcontroller"));
}

TEST(ImageLookup, ImagesByCode) {
    const struct {
        int level;
        const char* name;
    } levels[] = {{0, "<nil>"}, {1, "home_wifi04"}, {3, "home_wifi02"}, {5, "home_wifi00"}, {6, "<nil>"}};
    for (const auto& c : levels) EXPECT_EQ(nameOf(TAVOImageGetter::imageForChannelQualityLevel(c.level)), c.name);

    const struct {
        int code;
        const char* name;
    } faults[] = {{2, "home_yichang_ic_01"}, {3, "home_yichang_ic_01"}, {7, "home_yichang_ic_02"},
                  {646, "home_yichang_ic_04"}, {649, "home_yichang_ic_04"}, {691, "home_yichang_ic_05"},
                  {1, "home_yichang_ic_03"}, {650, "home_yichang_ic_03"}, {100001, "home_yichang_ic_03"}};
    for (const auto& c : faults) {
        EXPECT_EQ(nameOf(TAVOImageGetter::imageForBreakdownError(c.code)), c.name) << c.code;
        EXPECT_EQ(nameOf(TAVORouterErrorUtility::imageForBreakdownError(c.code)), c.name) << c.code;
    }

    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceIconByType(0)), "device_icon_phone");
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceIconByType(1, false)), "device_icon_pad_gray");
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceIconByType(2)), "device_icon_pc");
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceIconByType(3)), "<nil>");
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceIconByType(-1, false)), "<nil>");
}

TEST(ImageLookup, DeviceModelIconsFromTheTable) {
    ASSERT_GE(TAVOImageGetter::shareInstance()->deviceMathmentArray().size(), 2u);
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceModelIconById(1001)), "device_icon_model_1001");
    // The table lists 1002 too, but only 1001 has an icon of its own.
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceModelIconById(1002)), "device_icon_phone");
    EXPECT_EQ(nameOf(TAVOImageGetter::getDeviceModelIconById(0)), "device_icon_phone");
}

TEST(ImageLookup, NameShownForADevice) {
    const struct {
        TAVODeviceNameFields device;
        const char* shown;
    } cases[] = {
        {{"Kitchen", 1001, "Phone", "host"}, "Kitchen"},
        {{"", 1, "Phone", "host-a"}, "host-a"},
        {{"", 2001, "Pad", "host-b"}, "host-b"},
        {{"", 7, "Television", "host-c"}, "Television"},
        {{"", 0, "Printer", "host-d"}, "Printer"},
        {{"", 0, "", "host-e"}, "host-e"},
    };
    for (const auto& c : cases) EXPECT_EQ(TAVOImageGetter::getShowNameFromDevice(c.device), c.shown);
}

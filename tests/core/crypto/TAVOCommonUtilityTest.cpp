#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/TimeZone.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/Screen.h"

TEST(CommonUtilityOps, SpeedTexts) {
    const struct {
        double value;
        const char* withBlank;
        const char* without;
    } cases[] = {
        {1536, "1.50 KB/s", "1.50KB/s"},
        {20480, "20.0 KB/s", "20.0KB/s"},
        {1048576, "1024 KB/s", "1024KB/s"},
        {3145728, "3.00 MB/s", "3.00MB/s"},
        {1073741824.0 * 2.5, "2.50 GB/s", "2.50GB/s"},
        {0, "0 KB/s", "0KB/s"},
        {-5, "0 KB/s", "0KB/s"},
        {std::nan(""), "0 KB/s", "0KB/s"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TAVOCommonUtility::convertSpeedToStandardValueWithBlankSpace(c.value), c.withBlank) << c.value;
        EXPECT_EQ(TAVOCommonUtility::convertSpeedToStandardValue(c.value), c.without) << c.value;
    }
}

TEST(CommonUtilityOps, RadioPowerPositions) {
    const struct {
        int percentage, position, radiate;
    } cases[] = {{0, 0, 2},   {20, 0, 2},  {21, 1, 1},  {50, 1, 1},  {51, 2, 0},
                 {75, 2, 0},  {76, 3, -1}, {85, 3, -1}, {86, 4, -1}, {100, 4, -1}, {101, 2, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(TAVOCommonUtility::getPostionNum(c.percentage), c.position) << c.percentage;
        EXPECT_EQ(TAVOCommonUtility::getRadiatePositionByRadio(c.percentage), c.radiate) << c.percentage;
    }
    const int byPosition[] = {20, 50, 75, 85, 100};
    for (int p = 0; p < 5; ++p) EXPECT_EQ(TAVOCommonUtility::getRadioByPosition(p), byPosition[p]);
    EXPECT_EQ(TAVOCommonUtility::getRadioByPosition(5), 0);
    EXPECT_EQ(TAVOCommonUtility::getRadioByPosition(-1), 0);
    EXPECT_EQ(TAVOCommonUtility::getRadioByRadiatePosition(2), 20);
    EXPECT_EQ(TAVOCommonUtility::getRadioByRadiatePosition(1), 50);
    EXPECT_EQ(TAVOCommonUtility::getRadioByRadiatePosition(0), 75);
    EXPECT_EQ(TAVOCommonUtility::getRadioByRadiatePosition(-1), 0);
}

TEST(CommonUtilityOps, InputChecks) {
    EXPECT_FALSE(TAVOCommonUtility::checkRouterAdminPwd("12345678"));
    EXPECT_FALSE(TAVOCommonUtility::checkRouterAdminPwd("1234567890123456"));
    EXPECT_EQ(TAVOCommonUtility::checkRouterAdminPwd("1234567"), TAVOLocalizedString("router pwd length is wrong"));
    EXPECT_TRUE(TAVOCommonUtility::checkRouterAdminPwd("12345678901234567"));

    const std::string invalid = TAVOLocalizedString("ssid contains invalid characters");
    const struct {
        std::string ssid;
        std::optional<std::string> message;
    } cases[] = {
        {"Home-Net_5G.a", std::nullopt},
        {std::string(32, 'x'), std::nullopt},
        {"", TAVOLocalizedString("ssid can't be nil")},
        {"my home", invalid},
        {"caf\xC3\xA9", invalid},
        // Longer than a network name may be: refused, with a message of its own.
        {std::string(33, 'x'), TAVOLocalizedString("ssid is too long")},
    };
    for (const auto& c : cases) EXPECT_EQ(TAVOCommonUtility::checkSSIDNameValid(c.ssid), c.message) << c.ssid;
    EXPECT_NE(TAVOLocalizedString("ssid is too long"), "");
}

TEST(CommonUtilityOps, WifiPasswordStrength) {
    const struct {
        const char* password;
        int strength;
    } cases[] = {
        {"abcdefg", 0},       {"abcdefgh", 1},      {"87654321", 1},       {"aaaaaaaa", 1},
        {"password", 1},      {"abcdefgH", 2},      {"qzmxnwbvkfjg", 2},   {"Ab1!xyzq", 3},
        {"qzmxnwbv", 1},      {"qzmxnwbv1", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(TAVOCommonUtility::checkWifiPswStrength(c.password), c.strength) << c.password;
    EXPECT_FALSE(TAVOCommonUtility::isContinuousCommonChars("a"));
    EXPECT_FALSE(TAVOCommonUtility::isContinuousCommonChars("ab-c"));
    EXPECT_EQ(TAVOCommonUtility::countCharType("aA1!"), 4);
    EXPECT_EQ(TAVOCommonUtility::countCharType(""), 0);
    EXPECT_EQ(TAVOCommonUtility::getCharType(u'\u00e9'), 8);
}

TEST(CommonUtilityOps, ScreenSystemAndTime) {
    auto screen = ui::Screen::mainScreen();
    auto bounds = screen->bounds();
    auto device = ui::Device::currentDevice();
    std::string version = device->systemVersion;
    screen->setBounds(cg::RectMake(0, 0, 320, 480));
    device->systemVersion = "7.0";
    EXPECT_FALSE(TAVOCommonUtility::is4InchScreen());
    EXPECT_TRUE(TAVOCommonUtility::isLowPerformanceDevice());
    screen->setBounds(cg::RectMake(0, 0, 320, 568));
    EXPECT_TRUE(TAVOCommonUtility::is4InchScreen());
    EXPECT_FALSE(TAVOCommonUtility::isLowPerformanceDevice());
    device->systemVersion = "6.1";
    EXPECT_FALSE(TAVOCommonUtility::isAboveIOS7());
    screen->setBounds(bounds);
    device->systemVersion = version;

    ns::TimeZone::setDefaultTimeZone(ns::TimeZone::timeZoneForSecondsFromGMT(3600));
    EXPECT_EQ(TAVOCommonUtility::convertStringFromNumber(0, ""), "1970/01/01");
    EXPECT_EQ(TAVOCommonUtility::convertStringFromNumber(82800000.0, "yyyy-MM-dd HH:mm"), "1970-01-02 00:00");
    auto date = TAVOCommonUtility::getDateFromString("07:45");
    ASSERT_TRUE(date);
    EXPECT_EQ(TAVOCommonUtility::getHour(*date), 7);
    EXPECT_EQ(TAVOCommonUtility::getMinute(*date), 45);
    ns::TimeZone::resetDefaultTimeZone();
}

TEST(CommonUtilityOps, ImageOfOneColourAndChannelSentences) {
    auto image = TAVOCommonUtility::createImageFromColor(ui::Color::rgb255(200, 10, 20), cg::Size{3, 2});
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size().width, 3);
    EXPECT_EQ(image->size().height, 2);
    EXPECT_EQ(image->scale(), 1);
    auto px = image->CGImage()->pixel(2, 1);
    EXPECT_NEAR(px.r, 200 / 255.0, 0.01);
    EXPECT_NEAR(px.g, 10 / 255.0, 0.01);
    EXPECT_NEAR(px.b, 20 / 255.0, 0.01);
    EXPECT_NEAR(px.a, 1.0, 0.01);

    EXPECT_EQ(TAVOCommonUtility::introduceForLevel(1), TAVOLocalizedString("greate channel signal"));
    EXPECT_EQ(TAVOCommonUtility::introduceForLevel(4), TAVOLocalizedString("extrem bad channel signal"));
    EXPECT_FALSE(TAVOCommonUtility::introduceForLevel(0));
    EXPECT_FALSE(TAVOCommonUtility::introduceForLevel(5));
}

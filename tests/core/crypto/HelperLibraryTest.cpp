#include <gtest/gtest.h>

#include <cctype>

#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/CommonUtility.h"
#include "core/crypto/DateAndTimeUtility.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/Device.h"

namespace {
// Restores the device's system version and vendor identifier after a test.
struct DeviceGuard {
    std::string version = ui::Device::currentDevice()->systemVersion;
    std::string vendor = ui::Device::currentDevice()->identifierForVendor;
    ~DeviceGuard() {
        ui::Device::currentDevice()->systemVersion = version;
        ui::Device::currentDevice()->identifierForVendor = vendor;
    }
};
}  // namespace

TEST(HelperLibrary, RandomDataIsPrintableInTheVersionsRange) {
    DeviceGuard guard;
    EXPECT_TRUE(CommonUtility::randomData(0).empty());
    const struct {
        const char* version;
        int low, high;
    } cases[] = {{"7.1", 32, 125}, {"6.1", 65, 124}};
    for (const auto& c : cases) {
        ui::Device::currentDevice()->systemVersion = c.version;
        auto bytes = CommonUtility::randomData(4096);
        ASSERT_EQ(bytes.length(), 4096u);
        int lo = 255, hi = 0;
        for (std::size_t i = 0; i < bytes.length(); ++i) {
            lo = std::min<int>(lo, bytes[i]);
            hi = std::max<int>(hi, bytes[i]);
        }
        EXPECT_EQ(lo, c.low) << c.version;
        EXPECT_EQ(hi, c.high) << c.version;
    }
    EXPECT_EQ(CommonUtility::isValidEmail("not an e-mail"), 0);
}

TEST(HelperLibrary, VersionsComeFromTheBundle) {
    EXPECT_EQ(AppInfoUtility::currentVersionCode(""), 0);
    EXPECT_EQ(AppInfoUtility::currentVersionCode("NoSuchKey"), 0);
    EXPECT_GT(AppInfoUtility::currentVersionCode("VersionCode"), 0);
    EXPECT_FALSE(AppInfoUtility::currentBundleVersionString().empty());
    EXPECT_GT(AppInfoUtility::currentBundleVersionNumber(), 0.0);
    EXPECT_NE(AppInfoUtility::currentBundleVersionWithBuildNumString().find(" build"), std::string::npos);
}

TEST(HelperLibrary, DeviceIdentifierIsStableAndFollowsTheVendorIdentifier) {
    DeviceGuard guard;
    auto id = AppInfoUtility::uniqueueIdentifier();
    ASSERT_EQ(id.size(), 32u);
    for (char c : id) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F')) << id;
    EXPECT_EQ(AppInfoUtility::uniqueueIdentifier(), id);

    auto defaults = ns::UserDefaults::standardUserDefaults();
    defaults->removeObjectForKey("uuid_sr_ios");
    EXPECT_EQ(AppInfoUtility::uniqueueIdentifier(), id);  // same vendor: same identifier

    defaults->removeObjectForKey("uuid_sr_ios");
    ui::Device::currentDevice()->identifierForVendor = "11111111-2222-3333-4444-555555555555";
    EXPECT_NE(AppInfoUtility::uniqueueIdentifier(), id);
    EXPECT_EQ(defaults->stringForKey("uuid_sr_ios"), AppInfoUtility::uniqueueIdentifier());
}

TEST(HelperLibrary, HourAndMinuteText) {
    auto date = DateAndTimeUtility::getDateFromString("08:45");
    ASSERT_TRUE(date);
    EXPECT_EQ(DateAndTimeUtility::getHour(*date), 8);
    EXPECT_EQ(DateAndTimeUtility::getMinute(*date), 45);
    EXPECT_FALSE(DateAndTimeUtility::getDateFromString("8h45"));
}

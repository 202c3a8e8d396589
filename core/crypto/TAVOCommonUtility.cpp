#include "core/crypto/TAVOCommonUtility.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/DateAndTimeUtility.h"
#include "core/crypto/RSABlocks.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Utf16.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/RegularExpression.h"
#include "platform/ui/Image.h"
#include "platform/ui/Screen.h"

#include <cstdint>

std::optional<ns::Data> TAVOCommonUtility::encode_string_rsa(const ns::Data& data, const std::string& publicKey) {
    return rsaEncryptWithPublicKeyText(data, publicKey);
}

std::optional<std::string> TAVOCommonUtility::decode_string_rsa(const std::string& cipherText,
                                                                const std::string& publicKey) {
    return rsaDecryptWithPublicKeyText(cipherText, publicKey);
}

ns::Data TAVOCommonUtility::getTAVOValue(const std::string& seed) {
    ns::Data key = ns::Data::fromString(seed);
    std::uint8_t* bytes = key.mutableBytes();
    for (std::size_t i = 0; i < key.length(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(((bytes[i] + 0xE0) ^ 0x05) + 0x20);
    }
    return key;
}

// ---- speed texts ----

namespace {

std::string speedText(double bytesPerSecond, bool blank) {
    const std::string gap = blank ? " " : "";
    if (!(bytesPerSecond > 0)) return TAVOLocalizedString("0" + gap + "KB/s");
    constexpr double kKiB = 1024.0, kMiB = 1048576.0, kGiB = 1073741824.0;
    double scaled;
    std::string unit;
    if (bytesPerSecond > kGiB) {
        scaled = bytesPerSecond / kGiB;
        unit = gap + "GB/s";
    } else if (bytesPerSecond > kMiB) {
        scaled = bytesPerSecond / kMiB;
        unit = gap + "MB/s";
    } else {
        scaled = bytesPerSecond / kKiB;
        unit = gap + "KB/s";
    }
    const char* format = scaled > 100 ? "%.0f%@" : scaled > 10 ? "%.1f%@" : "%.2f%@";
    return ns::format(format, scaled, unit);
}

}  // namespace

std::string TAVOCommonUtility::convertSpeedToStandardValueWithBlankSpace(double bytesPerSecond) {
    return speedText(bytesPerSecond, true);
}

std::string TAVOCommonUtility::convertSpeedToStandardValue(double bytesPerSecond) {
    return speedText(bytesPerSecond, false);
}

// ---- screen and system ----

bool TAVOCommonUtility::is4InchScreen() { return ui::Screen::mainScreen()->bounds().size.height > 480; }

bool TAVOCommonUtility::isAboveIOS7() { return AppInfoUtility::aboveIOS7(); }

bool TAVOCommonUtility::isLowPerformanceDevice() { return isAboveIOS7() && !is4InchScreen(); }

// ---- time ----

int TAVOCommonUtility::getHour(const ns::Date& date) { return DateAndTimeUtility::getHour(date); }

int TAVOCommonUtility::getMinute(const ns::Date& date) { return DateAndTimeUtility::getMinute(date); }

std::optional<ns::Date> TAVOCommonUtility::getDateFromString(const std::string& text) {
    return DateAndTimeUtility::getDateFromString(text);
}

std::string TAVOCommonUtility::convertStringFromNumber(double milliseconds, const std::string& format) {
    ns::DateFormatter formatter;
    formatter.setDateFormat(format.empty() ? "yyyy/MM/dd" : format);
    return formatter.stringFromDate(ns::Date::withTimeIntervalSince1970(milliseconds / 1000.0));
}

// ---- radio power ----

int TAVOCommonUtility::getPostionNum(int percentage) {
    if (percentage < 21) return 0;
    if (percentage <= 50) return 1;
    if (percentage <= 75) return 2;
    if (percentage <= 85) return 3;
    if (percentage <= 100) return 4;
    return 2;
}

int TAVOCommonUtility::getRadioByPosition(int position) {
    static const int kPercentages[] = {20, 50, 75, 85, 100};
    return position >= 0 && position < 5 ? kPercentages[position] : 0;
}

int TAVOCommonUtility::getRadiatePositionByRadio(int percentage) {
    if (percentage < 21) return 2;
    if (percentage <= 50) return 1;
    if (percentage <= 75) return 0;
    return -1;
}

int TAVOCommonUtility::getRadioByRadiatePosition(int position) {
    switch (position) {
        case 2: return 20;
        case 1: return 50;
        case 0: return 75;
        default: return 0;
    }
}

// ---- input checks ----

std::optional<std::string> TAVOCommonUtility::checkRouterAdminPwd(const std::string& password) {
    std::size_t length = ns::utf16::length(password);
    if (length >= 8 && length <= 16) return std::nullopt;
    return TAVOLocalizedString("router pwd length is wrong");
}

std::optional<std::string> TAVOCommonUtility::checkSSIDNameValid(const std::string& ssid) {
    std::size_t length = ns::utf16::length(ssid);
    if (length == 0) return TAVOLocalizedString("ssid can't be nil");
    // A network name holds at most 32 characters; a longer one must not be
    // sent on to the router as if it had passed.
    if (length > 32) return TAVOLocalizedString("ssid is too long");
    static const auto pattern =
        ns::RegularExpression::create("^[a-zA-Z0-9_\\-\\.]{1,32}$", ns::RegularExpressionCaseInsensitive);
    if (pattern && pattern->numberOfMatchesInString(ssid, 0, ns::Range{0, length}) > 0) return std::nullopt;
    return TAVOLocalizedString("ssid contains invalid characters");
}

int TAVOCommonUtility::getCharType(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') return 1;
    if (unit >= u'A' && unit <= u'Z') return 2;
    if (unit >= u'a' && unit <= u'z') return 4;
    return 8;
}

int TAVOCommonUtility::countCharType(const std::string& text) {
    int kinds = 0;
    for (char16_t unit : ns::utf16::fromUtf8(text)) kinds |= getCharType(unit);
    int count = 0;
    for (int bit : {1, 2, 4, 8})
        if (kinds & bit) ++count;
    return count;
}

bool TAVOCommonUtility::isContinuousCommonChars(const std::string& text) {
    std::u16string units = ns::utf16::fromUtf8(text);
    if (units.size() < 2) return false;
    for (char16_t unit : units)
        if (getCharType(unit) == 8) return false;
    const int step = static_cast<int>(units[1]) - static_cast<int>(units[0]);
    if (step < -1 || step > 1) return false;
    for (std::size_t i = 1; i < units.size(); ++i)
        if (static_cast<int>(units[i]) - static_cast<int>(units[i - 1]) != step) return false;
    return true;
}

bool TAVOCommonUtility::isWeakPassword(const std::string& text) {
    static const char* const kWeakPasswords[] = {
        "11223344", "12121212", "12341234", "12344321", "abcdabcd", "aaaabbbb",
        "abcd1234", "a1b2c3d4", "qwertyui", "asdfghjk", "password", "p@ssword",
    };
    for (const char* weak : kWeakPasswords)
        if (text == weak) return true;
    return false;
}

int TAVOCommonUtility::checkWifiPswStrength(const std::string& password) {
    const std::size_t length = ns::utf16::length(password);
    if (length < 8) return 0;
    if (isContinuousCommonChars(password) || isWeakPassword(password)) return 1;
    const int kinds = countCharType(password);
    if (kinds > 1 || length >= 12) return kinds == 4 ? 3 : 2;
    return 1;
}

// ---- images and sentences ----

std::shared_ptr<ui::Image> TAVOCommonUtility::createImageFromColor(const ui::Color& color, const cg::Size& size) {
    cg::beginImageContext(size, false, 1);
    auto context = cg::currentContext();
    if (!context) return nullptr;
    context->setRGBFillColor(color.red(), color.green(), color.blue(), color.alpha());
    context->fillRect(cg::Rect{{0, 0}, size});
    auto bitmap = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    return bitmap ? ui::Image::imageWithCGImage(bitmap, 1) : nullptr;
}

std::optional<std::string> TAVOCommonUtility::introduceForLevel(int level) {
    switch (level) {
        case 1: return TAVOLocalizedString("greate channel signal");
        case 2: return TAVOLocalizedString("good channel singal");
        case 3: return TAVOLocalizedString("bad channel singal");
        case 4: return TAVOLocalizedString("extrem bad channel signal");
        default: return std::nullopt;
    }
}

// TAVOCommonUtility: class operations the screens and engines share: the RSA
// operations, the DES key derivation, speed texts, screen and system tests,
// time helpers, radio-power positions, input checks, a one-colour image and
// the channel-quality sentences.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Date.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Color.h"

namespace ui {
class Image;
}

class TAVOCommonUtility {
public:
    TAVOCommonUtility() = delete;

    // The bytes encrypted with the given PEM public key (PKCS#1 v1.5);
    // nullopt for empty bytes, empty or unreadable key text. Local requests
    // pass routerPublicKeyPEM().
    static std::optional<ns::Data> encode_string_rsa(const ns::Data& data, const std::string& publicKey);
    // Recovers, with the given public key, what the private key encrypted
    // (see rsaDecryptWithPublicKeyText). Nothing in the system calls it.
    static std::optional<std::string> decode_string_rsa(const std::string& cipherText, const std::string& publicKey);

    // A DES key derived from a seed text kept by its caller, so that the key
    // itself is never stored: one byte per UTF-8 byte of the seed, each
    // turned by a fixed arithmetic. Works on a buffer of its own for every
    // call (callers on several threads never share one) and takes seeds of
    // any length. Empty seed, empty key.
    static ns::Data getTAVOValue(const std::string& seed);

    // Speed in bytes per second as "1.50 KB/s" (with a blank before the
    // unit) or "1.50KB/s"; 0 or less (or not a number) gives "0 KB/s".
    static std::string convertSpeedToStandardValueWithBlankSpace(double bytesPerSecond);
    static std::string convertSpeedToStandardValue(double bytesPerSecond);

    // The main screen is taller than 480 points.
    static bool is4InchScreen();
    static bool isAboveIOS7();
    static bool isLowPerformanceDevice();

    static int getHour(const ns::Date& date);
    static int getMinute(const ns::Date& date);
    // "HH:mm" in the local time zone; only hour and minute are meaningful.
    static std::optional<ns::Date> getDateFromString(const std::string& text);
    // Milliseconds since 1970 formatted in the local time zone with the
    // format, or "yyyy/MM/dd" when the format is empty.
    static std::string convertStringFromNumber(double milliseconds, const std::string& format);

    // Radio power percentage to the five-step position and back.
    static int getPostionNum(int percentage);
    static int getRadioByPosition(int position);
    // Radio power percentage to the three-step position (2, 1, 0, -1) and back.
    static int getRadiatePositionByRadio(int percentage);
    static int getRadioByRadiatePosition(int position);

    // nullopt when the password is 8 to 16 characters long, else the message.
    static std::optional<std::string> checkRouterAdminPwd(const std::string& password);
    // nullopt for a valid network name, else the message to show. A name
    // longer than 32 characters is refused, with its own message.
    static std::optional<std::string> checkSSIDNameValid(const std::string& ssid);

    // 0 too short, 1 weak, 2 medium, 3 strong.
    static int checkWifiPswStrength(const std::string& password);
    // Runs of ascending or descending digits or letters, or one repeated character.
    static bool isContinuousCommonChars(const std::string& text);
    static bool isWeakPassword(const std::string& text);
    // How many of the four kinds of getCharType the text holds.
    static int countCharType(const std::string& text);
    // 1 digit, 2 upper-case letter, 4 lower-case letter, 8 anything else.
    static int getCharType(char16_t unit);

    // An image of the size (scale 1) filled with the colour.
    static std::shared_ptr<ui::Image> createImageFromColor(const ui::Color& color, const cg::Size& size);
    // The sentence for a channel-quality level 1..4, else nullopt.
    static std::optional<std::string> introduceForLevel(int level);
};

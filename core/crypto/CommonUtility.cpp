#include "core/crypto/CommonUtility.h"

#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/RandomPrintableBytes.h"

int CommonUtility::isValidPhoneNumber(const std::string&) { return 0; }
int CommonUtility::isValidEmail(const std::string&) { return 0; }
int CommonUtility::isValidPSW(const std::string&) { return 0; }
int CommonUtility::isValidUserName(const std::string&) { return 0; }

ns::Data CommonUtility::randomData(std::size_t count) {
    // Every byte is drawn alone from the same range, so the range is chosen once.
    return AppInfoUtility::aboveIOS7() ? randomPrintableBytes(count, 94, 32) : randomPrintableBytes(count, 60, 65);
}

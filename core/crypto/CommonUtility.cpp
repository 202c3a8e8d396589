#include "core/crypto/CommonUtility.h"

#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/RandomPrintableBytes.h"

int CommonUtility::isValidPhoneNumber(const std::string&) { return 0; }
int CommonUtility::isValidEmail(const std::string&) { return 0; }
int CommonUtility::isValidPSW(const std::string&) { return 0; }
int CommonUtility::isValidUserName(const std::string&) { return 0; }

ns::Data CommonUtility::randomData(std::size_t count) {
    ns::Data out;
    for (std::size_t i = 0; i < count; ++i) {
        ns::Data byte = AppInfoUtility::aboveIOS7() ? randomPrintableBytes(1, 94, 32) : randomPrintableBytes(1, 60, 65);
        out.append(byte);
    }
    return out;
}

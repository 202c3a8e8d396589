#include "uikit/TextCheckingResultExtendedURL.h"

#include <algorithm>

#include "platform/ui/Device.h"

namespace {

// Systems from 6.0 on carry their own map service; older ones open a web map.
constexpr double kOwnMapsSince = 6.0;
constexpr const char* kOwnMapsHost = "maps.apple.com";
constexpr const char* kWebMapsHost = "maps.google.com";

}  // namespace

ns::URLPtr extendedURL(const ns::TextCheckingResult& result) {
    switch (result.resultType()) {
        case ns::TextCheckingTypeAddress: {
            const double version = ns::Value(ui::Device::currentDevice()->systemVersion).doubleValue();
            std::string query;
            for (const auto& [key, value] : result.addressComponents()) {
                if (!query.empty()) query += ",";
                query += value.stringValue();
            }
            // Not escaped: an address that is not valid in a URL opens nothing.
            return ns::URL::URLWithString(std::string("http://") + (version >= kOwnMapsSince ? kOwnMapsHost : kWebMapsHost) +
                                          "/maps?q=" + query);
        }
        case ns::TextCheckingTypePhoneNumber: {
            std::string number = result.phoneNumber();
            number.erase(std::remove(number.begin(), number.end(), ' '), number.end());
            return ns::URL::URLWithString("tel:" + number);
        }
        default:
            return result.URL();
    }
}

// ns::URLSessionConfiguration: the settings a session copies at creation.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/HTTPHeaderFields.h"
#include "platform/foundation/Object.h"

namespace ns {

class URLSessionConfiguration : public Object {
public:
    static std::shared_ptr<URLSessionConfiguration> defaultSessionConfiguration();
    static std::shared_ptr<URLSessionConfiguration> ephemeralSessionConfiguration();
    // Background sessions carry an identifier; transfers still run in-process.
    static std::shared_ptr<URLSessionConfiguration> backgroundSessionConfiguration(std::string identifier);

    std::shared_ptr<URLSessionConfiguration> copy() const;

    const std::optional<std::string>& identifier() const { return identifier_; }
    // Idle time-out of each request whose own interval is the default.
    double timeoutIntervalForRequest = 60.0;
    // Added to every request that does not set the same field.
    HTTPHeaderFields HTTPAdditionalHeaders;

private:
    URLSessionConfiguration() = default;
    std::optional<std::string> identifier_;
};

using URLSessionConfigurationPtr = std::shared_ptr<URLSessionConfiguration>;

}  // namespace ns

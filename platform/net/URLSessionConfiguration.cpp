#include "platform/net/URLSessionConfiguration.h"

namespace ns {

std::shared_ptr<URLSessionConfiguration> URLSessionConfiguration::defaultSessionConfiguration() {
    return std::shared_ptr<URLSessionConfiguration>(new URLSessionConfiguration());
}

std::shared_ptr<URLSessionConfiguration> URLSessionConfiguration::ephemeralSessionConfiguration() {
    return defaultSessionConfiguration();
}

std::shared_ptr<URLSessionConfiguration> URLSessionConfiguration::backgroundSessionConfiguration(std::string identifier) {
    auto configuration = defaultSessionConfiguration();
    configuration->identifier_ = std::move(identifier);
    return configuration;
}

std::shared_ptr<URLSessionConfiguration> URLSessionConfiguration::copy() const {
    std::shared_ptr<URLSessionConfiguration> configuration(new URLSessionConfiguration());
    configuration->identifier_ = identifier_;
    configuration->timeoutIntervalForRequest = timeoutIntervalForRequest;
    configuration->HTTPAdditionalHeaders = HTTPAdditionalHeaders;
    return configuration;
}

}  // namespace ns

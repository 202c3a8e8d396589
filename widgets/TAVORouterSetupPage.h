// The router's own set-up pages, reached on the home network by a host
// name; the first screen and the binding screen open them in the system
// browser for a router that has not been initialised. A deployment value.
#pragma once

#include <string>

class TAVORouterSetupPage {
public:
    TAVORouterSetupPage() = delete;

    static constexpr const char* kDeploymentName = "RouterSetupURL";
    static constexpr const char* kDefaultAddress = "http://router.keelbox.lan/";

    static std::string address();
};

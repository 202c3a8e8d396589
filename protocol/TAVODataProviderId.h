// Which data provider serves a request: the factory's ids.
#pragma once

enum class TAVODataProviderId : int {
    Account = 0,  // the account's routers list
    Device = 1,   // everything addressed to the current router
    AppInfo = 2,  // the application's own version check and feedback
};

constexpr int TAVODataProviderIdValue(TAVODataProviderId id) { return static_cast<int>(id); }

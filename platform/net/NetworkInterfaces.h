// sc::NetworkInterfaces: the addresses of the machine's network interfaces
// (the getifaddrs view), from the process's network information source.
#pragma once

#include <vector>

#include "platform/net/NetworkInfoSource.h"

namespace sc {

class NetworkInterfaces {
public:
    static std::vector<InterfaceAddress> addresses() { return NetworkInfo::source()->interfaces(); }
};

}  // namespace sc

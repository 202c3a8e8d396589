// Told about the bytes an account-service operation moves.
#pragma once

#include <cstdint>

class KXProgressDelegate {
public:
    virtual ~KXProgressDelegate() = default;
    virtual void didDataReceived(std::int64_t bytes, std::int64_t totalReceivedBytes) = 0;
    virtual void didDataSended(std::int64_t bytes, std::int64_t totalSendedBytes) = 0;
};

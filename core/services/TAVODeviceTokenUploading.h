// What the protocol layer needs of the push device-token engine: after every
// router list of the account, the engine registers the phone's push token
// for each router id. The management layer registers the engine at start-up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/services/TAVOService.h"

class TAVODeviceTokenUploading {
public:
    virtual ~TAVODeviceTokenUploading() = default;
    virtual void uploadDeviceTokenWithRouter(const std::vector<std::string>& routerIds) = 0;

    static std::shared_ptr<TAVODeviceTokenUploading> shared() { return TAVOService<TAVODeviceTokenUploading>::get(); }
    static void setShared(std::shared_ptr<TAVODeviceTokenUploading> e) { TAVOService<TAVODeviceTokenUploading>::set(std::move(e)); }
};

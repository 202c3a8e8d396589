// A device on the guest network: a device record plus the time it has left.
#pragma once

#include "protocol/records/TAVORouterJoiningDevice.h"

class TAVORouterJoiningGuestDevice : public TAVORouterJoiningDevice {
public:
    static std::shared_ptr<TAVORouterJoiningGuestDevice> create() {
        return std::shared_ptr<TAVORouterJoiningGuestDevice>(new TAVORouterJoiningGuestDevice());
    }
    static std::shared_ptr<TAVORouterJoiningGuestDevice> initWithDictionary(const ns::Value& dictionary);

    ns::Value remainTime;  // "connect_duration", taken unchanged

    std::string className() const override { return "TAVORouterJoiningGuestDevice"; }
    std::string description() const override;

protected:
    TAVORouterJoiningGuestDevice() = default;
};

// The device list (and the guest list): the devices with the router's totals
// and the MAC of the accelerated device.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterJoiningDevicesList : public ns::Object {
public:
    static std::shared_ptr<TAVORouterJoiningDevicesList> create() {
        return std::shared_ptr<TAVORouterJoiningDevicesList>(new TAVORouterJoiningDevicesList());
    }
    // From the device-list payload, or from nothing (totals 0). Throws
    // TAVOReplyShapeError when a value has the wrong kind.
    static std::shared_ptr<TAVORouterJoiningDevicesList> initWithDictionary(const ns::Value& vdata);
    // The device records of a "list" value: nil when it is missing or has no
    // element; guests makes guest records. Throws unless it is a list of objects.
    static ns::Value devicesOf(const ns::Value& list, bool guests);

    ns::Value devicesList;  // an array of device records, or nil when there were none
    int allSpeedDown = 0;
    int allSpeedUp = 0;
    int allFlowDown = 0;
    int allFlowUp = 0;
    std::string speedupMac;

    std::string className() const override { return "TAVORouterJoiningDevicesList"; }

protected:
    TAVORouterJoiningDevicesList() = default;
};

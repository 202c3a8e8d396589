// The blacklist: the devices barred from the router.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterBlackDevicesList : public ns::Object {
public:
    static std::shared_ptr<TAVORouterBlackDevicesList> create() {
        return std::shared_ptr<TAVORouterBlackDevicesList>(new TAVORouterBlackDevicesList());
    }
    ns::Value devicesList;  // an array of device records, or nil when there were none

    std::string className() const override { return "TAVORouterBlackDevicesList"; }

protected:
    TAVORouterBlackDevicesList() = default;
};

#include "protocol/records/TAVORouterJoiningGuestDevice.h"

#include "platform/foundation/Format.h"

std::shared_ptr<TAVORouterJoiningGuestDevice> TAVORouterJoiningGuestDevice::initWithDictionary(const ns::Value& dictionary) {
    auto device = create();
    device->readDevice(dictionary);
    device->remainTime = dictionary["connect_duration"];
    return device;
}

std::string TAVORouterJoiningGuestDevice::description() const {
    return ns::format("%@, remain time = %@", TAVORouterJoiningDevice::description(), remainTime);
}

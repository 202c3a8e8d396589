#include "management/push/TAVOPushInfo.h"

#include "core/app/TAVOLocalizedString.h"

int TAVOPushInfo::typeForWireType(int wireType) {
    switch (wireType) {
        case 1: return TAVOPushTypeNewDevice;
        case 2: return TAVOPushTypeRomUpdate;
        case 3: return TAVOPushTypeRomUpdateResult;
        case 101: return TAVOPushTypeNewAppVersion;
        default: return -1;
    }
}

void TAVOPushInfo::initWithDic(const ns::Value& rudi) {
    int mapped = typeForWireType(rudi["type"].intValue());
    if (mapped >= 0) type = mapped;
}

std::string TAVOPushInfo::desc() const {
    switch (type) {
        case TAVOPushTypeNewDevice: return TAVOLocalizedString("push-new device join");
        case TAVOPushTypeRomUpdate: return TAVOLocalizedString("push-rom update");
        case TAVOPushTypeRomUpdateResult: return TAVOLocalizedString("push-rom update result");
        case TAVOPushTypeNewAppVersion: return TAVOLocalizedString("push-new app version");
        default: return {};
    }
}

void TAVORouterPushInfo::initWithDic(const ns::Value& rudi) {
    TAVOPushInfo::initWithDic(rudi);
    router_id = rudi["router_id"].stringValue();
    mac = rudi["mac"].stringValue();
}

#include "management/push/TAVOPushInfoFactory.h"

#include "management/push/TAVOAppUpdatePushInfo.h"
#include "management/push/TAVONewDevicePushInfo.h"
#include "management/push/TAVORomUpdatePushInfo.h"
#include "management/push/TAVORomUpdateResultPushInfo.h"

TAVOPushInfoPtr TAVOPushInfoFactory::createPushInfoByType(const ns::Value& rudi) {
    if (!rudi.isDictionary() || rudi["type"].isNilOrNull()) return nullptr;
    TAVOPushInfoPtr info;
    switch (rudi["type"].intValue()) {
        case 1: info = std::make_shared<TAVONewDevicePushInfo>(); break;
        case 2: info = std::make_shared<TAVORomUpdatePushInfo>(); break;
        case 3: info = std::make_shared<TAVORomUpdateResultPushInfo>(); break;
        case 101: info = std::make_shared<TAVOAppUpdatePushInfo>(); break;
        default: return nullptr;
    }
    info->initWithDic(rudi);
    return info;
}

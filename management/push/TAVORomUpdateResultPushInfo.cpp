#include "management/push/TAVORomUpdateResultPushInfo.h"

#include "core/app/TAVOLocalizedString.h"

void TAVORomUpdateResultPushInfo::initWithDic(const ns::Value& rudi) {
    TAVORouterPushInfo::initWithDic(rudi);
    result = TAVOLocalizedString(rudi["data"]["errcode"].intValue() != 0 ? "fail to update rom" : "ok to update rom");
}

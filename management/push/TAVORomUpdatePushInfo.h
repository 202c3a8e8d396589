// A new router firmware is available.
#pragma once

#include "management/push/TAVOPushInfo.h"

class TAVORomUpdatePushInfo : public TAVORouterPushInfo {
public:
    std::string version;  // the new firmware's version text
    void initWithDic(const ns::Value& rudi) override {
        TAVORouterPushInfo::initWithDic(rudi);
        version = rudi["data"]["version"].stringValue();
    }
    std::string className() const override { return "TAVORomUpdatePushInfo"; }
};

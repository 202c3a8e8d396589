// A new app version is out.
#pragma once

#include "management/push/TAVOPushInfo.h"

class TAVOAppUpdatePushInfo : public TAVOPushInfo {
public:
    int versionCode = 0;
    void initWithDic(const ns::Value& rudi) override {
        TAVOPushInfo::initWithDic(rudi);
        versionCode = rudi["data"]["version_code"].intValue();
    }
    std::string className() const override { return "TAVOAppUpdatePushInfo"; }
};

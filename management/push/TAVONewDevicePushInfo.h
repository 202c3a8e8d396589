// A device joined the router.
#pragma once

#include "management/push/TAVOPushInfo.h"

class TAVONewDevicePushInfo : public TAVORouterPushInfo {
public:
    std::string end_mac;  // the MAC of the device that joined
    void initWithDic(const ns::Value& rudi) override {
        TAVORouterPushInfo::initWithDic(rudi);
        end_mac = rudi["data"]["endmac"].stringValue();
    }
    std::string className() const override { return "TAVONewDevicePushInfo"; }
};

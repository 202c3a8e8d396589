// A firmware update has finished.
#pragma once

#include "management/push/TAVOPushInfo.h"

class TAVORomUpdateResultPushInfo : public TAVORouterPushInfo {
public:
    std::string result;  // the outcome's text for the user
    void initWithDic(const ns::Value& rudi) override;
    std::string className() const override { return "TAVORomUpdateResultPushInfo"; }
};

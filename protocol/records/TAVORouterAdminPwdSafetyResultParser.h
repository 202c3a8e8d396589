// The safety level of the admin password ("type", taken unchanged).
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterAdminPwdSafetyResultParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterAdminPwdSafetyResultParser> create() { return std::shared_ptr<TAVORouterAdminPwdSafetyResultParser>(new TAVORouterAdminPwdSafetyResultParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterAdminPwdSafetyResultParser"; }

protected:
    TAVORouterAdminPwdSafetyResultParser() = default;
};

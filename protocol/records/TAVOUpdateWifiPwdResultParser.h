// The result of a Wi-Fi name and password change ("status", taken unchanged).
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOUpdateWifiPwdResultParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOUpdateWifiPwdResultParser> create() { return std::shared_ptr<TAVOUpdateWifiPwdResultParser>(new TAVOUpdateWifiPwdResultParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOUpdateWifiPwdResultParser"; }

protected:
    TAVOUpdateWifiPwdResultParser() = default;
};

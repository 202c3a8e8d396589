// The Wi-Fi password strength: the weaker band counts ("type" for 2.4 GHz,
// "type_5g" for 5 GHz when the router has it).
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOWifiPwdStrengthParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOWifiPwdStrengthParser> create() { return std::shared_ptr<TAVOWifiPwdStrengthParser>(new TAVOWifiPwdStrengthParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOWifiPwdStrengthParser"; }

protected:
    TAVOWifiPwdStrengthParser() = default;
};

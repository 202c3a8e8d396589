// Whether a restored device is online ("is_online", as a number).
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOPermitDeviceParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOPermitDeviceParser> create() { return std::shared_ptr<TAVOPermitDeviceParser>(new TAVOPermitDeviceParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOPermitDeviceParser"; }

protected:
    TAVOPermitDeviceParser() = default;
};

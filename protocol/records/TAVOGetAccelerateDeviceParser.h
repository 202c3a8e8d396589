// The MAC of the device being accelerated, when there is one.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetAccelerateDeviceParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetAccelerateDeviceParser> create() { return std::shared_ptr<TAVOGetAccelerateDeviceParser>(new TAVOGetAccelerateDeviceParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetAccelerateDeviceParser"; }

protected:
    TAVOGetAccelerateDeviceParser() = default;
};

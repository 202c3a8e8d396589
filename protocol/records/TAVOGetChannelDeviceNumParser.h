// The number of devices heard per band.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetChannelDeviceNumParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetChannelDeviceNumParser> create() { return std::shared_ptr<TAVOGetChannelDeviceNumParser>(new TAVOGetChannelDeviceNumParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetChannelDeviceNumParser"; }

protected:
    TAVOGetChannelDeviceNumParser() = default;
};

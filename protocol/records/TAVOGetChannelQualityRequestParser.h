// The current channel and its quality per band.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetChannelQualityRequestParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetChannelQualityRequestParser> create() { return std::shared_ptr<TAVOGetChannelQualityRequestParser>(new TAVOGetChannelQualityRequestParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetChannelQualityRequestParser"; }

protected:
    TAVOGetChannelQualityRequestParser() = default;
};

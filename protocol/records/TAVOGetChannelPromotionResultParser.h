// The channel promotion payload, taken as it is when it is an object.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetChannelPromotionResultParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetChannelPromotionResultParser> create() { return std::shared_ptr<TAVOGetChannelPromotionResultParser>(new TAVOGetChannelPromotionResultParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetChannelPromotionResultParser"; }

protected:
    TAVOGetChannelPromotionResultParser() = default;
};

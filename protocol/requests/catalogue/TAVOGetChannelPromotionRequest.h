// TAVOGetChannelPromotionRequest: request 42, wifi.getChannelPromotion.
#pragma once

#include "protocol/records/TAVOGetChannelPromotionResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOGetChannelPromotionRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOGetChannelPromotionRequest> create() { return std::shared_ptr<TAVOGetChannelPromotionRequest>(new TAVOGetChannelPromotionRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "getChannelPromotion"; }
    TAVODataParserPtr createParser() override { return TAVOGetChannelPromotionResultParser::create(); }
    std::string className() const override { return "TAVOGetChannelPromotionRequest"; }

protected:
    TAVOGetChannelPromotionRequest() = default;
};

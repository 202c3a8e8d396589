// TAVOGetChannelQualityRequest: request 40, wifi.getChannelQuality.
#pragma once

#include "protocol/records/TAVOGetChannelQualityRequestParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOGetChannelQualityRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOGetChannelQualityRequest> create() { return std::shared_ptr<TAVOGetChannelQualityRequest>(new TAVOGetChannelQualityRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "getChannelQuality"; }
    TAVODataParserPtr createParser() override { return TAVOGetChannelQualityRequestParser::create(); }
    std::string className() const override { return "TAVOGetChannelQualityRequest"; }

protected:
    TAVOGetChannelQualityRequest() = default;
};

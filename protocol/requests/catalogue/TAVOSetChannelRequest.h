// TAVOSetChannelRequest: request 50, wifi.setchannel.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOSetChannelRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOSetChannelRequest> create() { return std::shared_ptr<TAVOSetChannelRequest>(new TAVOSetChannelRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "setchannel"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVOSetChannelRequest"; }

protected:
    TAVOSetChannelRequest() = default;
};

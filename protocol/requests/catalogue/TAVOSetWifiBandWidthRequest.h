// TAVOSetWifiBandWidthRequest: request 51, wifi.setwifibandwidth.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOSetWifiBandWidthRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOSetWifiBandWidthRequest> create() { return std::shared_ptr<TAVOSetWifiBandWidthRequest>(new TAVOSetWifiBandWidthRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "setwifibandwidth"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVOSetWifiBandWidthRequest"; }

protected:
    TAVOSetWifiBandWidthRequest() = default;
};

// TAVOGuestStartRequest: request 24, device.guestnetstart.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOGuestStartRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOGuestStartRequest> create() { return std::shared_ptr<TAVOGuestStartRequest>(new TAVOGuestStartRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "guestnetstart"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVOGuestStartRequest"; }

protected:
    TAVOGuestStartRequest() = default;
};

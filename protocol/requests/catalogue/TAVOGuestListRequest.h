// TAVOGuestListRequest: request 22, device.guestnetlist.
#pragma once

#include "protocol/records/TAVORouterGuestListParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOGuestListRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOGuestListRequest> create() { return std::shared_ptr<TAVOGuestListRequest>(new TAVOGuestListRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "guestnetlist"; }
    TAVODataParserPtr createParser() override { return TAVORouterGuestListParser::create(); }
    std::string className() const override { return "TAVOGuestListRequest"; }

protected:
    TAVOGuestListRequest() = default;
};

// TAVOGuestKickDeviceRequest: request 23, device.guestnetdelete.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOGuestKickDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOGuestKickDeviceRequest> create() { return std::shared_ptr<TAVOGuestKickDeviceRequest>(new TAVOGuestKickDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "guestnetdelete"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVOGuestKickDeviceRequest"; }

protected:
    TAVOGuestKickDeviceRequest() = default;
};

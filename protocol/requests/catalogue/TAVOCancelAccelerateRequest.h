// TAVOCancelAccelerateRequest: request 44, device.cancelAccelerate.
#pragma once

#include "protocol/records/TAVODeviceAccelerateResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOCancelAccelerateRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOCancelAccelerateRequest> create() { return std::shared_ptr<TAVOCancelAccelerateRequest>(new TAVOCancelAccelerateRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "cancelAccelerate"; }
    TAVODataParserPtr createParser() override { return TAVODeviceAccelerateResultParser::create(); }
    std::string className() const override { return "TAVOCancelAccelerateRequest"; }

protected:
    TAVOCancelAccelerateRequest() = default;
};

// TAVORouterQueryDeviceListRequest: request 21, device.getDeviceList.
#pragma once

#include "protocol/records/TAVORouterQueryDeviceListParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterQueryDeviceListRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterQueryDeviceListRequest> create() { return std::shared_ptr<TAVORouterQueryDeviceListRequest>(new TAVORouterQueryDeviceListRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "getDeviceList"; }
    TAVODataParserPtr createParser() override { return TAVORouterQueryDeviceListParser::create(); }
    std::string className() const override { return "TAVORouterQueryDeviceListRequest"; }

protected:
    TAVORouterQueryDeviceListRequest() = default;
};

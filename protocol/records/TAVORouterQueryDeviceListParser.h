// The connected-device list with the router's totals.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterQueryDeviceListParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterQueryDeviceListParser> create() { return std::shared_ptr<TAVORouterQueryDeviceListParser>(new TAVORouterQueryDeviceListParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterQueryDeviceListParser"; }

protected:
    TAVORouterQueryDeviceListParser() = default;
};

// The intercepted pages and the last clean time.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterInterceptListParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterInterceptListParser> create() { return std::shared_ptr<TAVORouterInterceptListParser>(new TAVORouterInterceptListParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterInterceptListParser"; }

protected:
    TAVORouterInterceptListParser() = default;
};

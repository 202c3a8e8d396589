// The Wi-Fi timer reply.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterGetWIFITimeParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterGetWIFITimeParser> create() { return std::shared_ptr<TAVORouterGetWIFITimeParser>(new TAVORouterGetWIFITimeParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterGetWIFITimeParser"; }

protected:
    TAVORouterGetWIFITimeParser() = default;
};

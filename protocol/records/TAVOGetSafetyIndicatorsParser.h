// The safety indicators reply.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetSafetyIndicatorsParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetSafetyIndicatorsParser> create() { return std::shared_ptr<TAVOGetSafetyIndicatorsParser>(new TAVOGetSafetyIndicatorsParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetSafetyIndicatorsParser"; }

protected:
    TAVOGetSafetyIndicatorsParser() = default;
};

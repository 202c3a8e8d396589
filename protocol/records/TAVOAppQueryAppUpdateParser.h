// The newest application version the cloud knows.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOAppQueryAppUpdateParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOAppQueryAppUpdateParser> create() { return std::shared_ptr<TAVOAppQueryAppUpdateParser>(new TAVOAppQueryAppUpdateParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOAppQueryAppUpdateParser"; }

protected:
    TAVOAppQueryAppUpdateParser() = default;
};

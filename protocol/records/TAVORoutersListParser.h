// The account's router list: one router record per element of "list";
// no object when the list is missing or empty.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORoutersListParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORoutersListParser> create() { return std::shared_ptr<TAVORoutersListParser>(new TAVORoutersListParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORoutersListParser"; }

protected:
    TAVORoutersListParser() = default;
};

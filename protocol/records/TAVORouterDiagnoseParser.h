// Diagnosis replies: a list of diagnosis items, always present. A list
// payload holds one item per element under "t" + the "tbit" parameter; an
// object payload is one item itself; anything else gives no item.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterDiagnoseParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterDiagnoseParser> create() { return std::shared_ptr<TAVORouterDiagnoseParser>(new TAVORouterDiagnoseParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterDiagnoseParser"; }

protected:
    TAVORouterDiagnoseParser() = default;
};

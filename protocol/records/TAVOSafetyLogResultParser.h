// The safety log: a list (present even when empty) of TAVOSafetyLog rows.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOSafetyLogResultParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOSafetyLogResultParser> create() { return std::shared_ptr<TAVOSafetyLogResultParser>(new TAVOSafetyLogResultParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOSafetyLogResultParser"; }

protected:
    TAVOSafetyLogResultParser() = default;
};

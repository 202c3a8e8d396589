// The protection elapse figure ("num", taken unchanged).
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetProtectionElapseParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetProtectionElapseParser> create() { return std::shared_ptr<TAVOGetProtectionElapseParser>(new TAVOGetProtectionElapseParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetProtectionElapseParser"; }

protected:
    TAVOGetProtectionElapseParser() = default;
};

// Setting a speed limit: every reply that passed the envelope succeeds with no object.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOSetSpeedLimitParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOSetSpeedLimitParser> create() { return std::shared_ptr<TAVOSetSpeedLimitParser>(new TAVOSetSpeedLimitParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOSetSpeedLimitParser"; }

protected:
    TAVOSetSpeedLimitParser() = default;
};

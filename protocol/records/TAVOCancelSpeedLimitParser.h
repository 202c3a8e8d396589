// Cancelling a speed limit: every reply that passed the envelope succeeds with no object.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOCancelSpeedLimitParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOCancelSpeedLimitParser> create() { return std::shared_ptr<TAVOCancelSpeedLimitParser>(new TAVOCancelSpeedLimitParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOCancelSpeedLimitParser"; }

protected:
    TAVOCancelSpeedLimitParser() = default;
};

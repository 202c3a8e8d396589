// The guest-network list: guest device records; the totals stay 0.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterGuestListParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterGuestListParser> create() { return std::shared_ptr<TAVORouterGuestListParser>(new TAVORouterGuestListParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterGuestListParser"; }

protected:
    TAVORouterGuestListParser() = default;
};

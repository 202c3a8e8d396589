// The transmit powers: vdata is a list of dictionaries, one TAVORouterRadioPower each, in reply order.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOGetRadioParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOGetRadioParser> create() { return std::shared_ptr<TAVOGetRadioParser>(new TAVOGetRadioParser()); }
    ns::Value parseResult(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetRadioParser"; }

protected:
    TAVOGetRadioParser() = default;
};

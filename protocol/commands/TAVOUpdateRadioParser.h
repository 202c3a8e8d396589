// The reply of a radio power change: success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOUpdateRadioParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOUpdateRadioParser> create() { return std::shared_ptr<TAVOUpdateRadioParser>(new TAVOUpdateRadioParser()); }
    std::string className() const override { return "TAVOUpdateRadioParser"; }

protected:
    TAVOUpdateRadioParser() = default;
};

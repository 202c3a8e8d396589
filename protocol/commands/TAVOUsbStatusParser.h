// The USB disk state: a TAVOUSBStatus from a dictionary vdata, nothing otherwise.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOUsbStatusParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOUsbStatusParser> create() { return std::shared_ptr<TAVOUsbStatusParser>(new TAVOUsbStatusParser()); }
    ns::Value parseResult(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOUsbStatusParser"; }

protected:
    TAVOUsbStatusParser() = default;
};

// The unmount reply: vdata "status" as a number (1 = unmounted).
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOQuitUsbParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOQuitUsbParser> create() { return std::shared_ptr<TAVOQuitUsbParser>(new TAVOQuitUsbParser()); }
    ns::Value parseResult(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOQuitUsbParser"; }

protected:
    TAVOQuitUsbParser() = default;
};

// The Wi-Fi timer: a TAVOWIFITime from a dictionary vdata, nothing otherwise.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOGetWiFiTimeParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOGetWiFiTimeParser> create() { return std::shared_ptr<TAVOGetWiFiTimeParser>(new TAVOGetWiFiTimeParser()); }
    ns::Value parseResult(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetWiFiTimeParser"; }

protected:
    TAVOGetWiFiTimeParser() = default;
};

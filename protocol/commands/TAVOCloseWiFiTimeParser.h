// The reply of a Wi-Fi timer switch-off: success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOCloseWiFiTimeParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOCloseWiFiTimeParser> create() { return std::shared_ptr<TAVOCloseWiFiTimeParser>(new TAVOCloseWiFiTimeParser()); }
    std::string className() const override { return "TAVOCloseWiFiTimeParser"; }

protected:
    TAVOCloseWiFiTimeParser() = default;
};

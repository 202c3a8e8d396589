// The reply of a Wi-Fi on/off: success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOWiFiCloseParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOWiFiCloseParser> create() { return std::shared_ptr<TAVOWiFiCloseParser>(new TAVOWiFiCloseParser()); }
    std::string className() const override { return "TAVOWiFiCloseParser"; }

protected:
    TAVOWiFiCloseParser() = default;
};

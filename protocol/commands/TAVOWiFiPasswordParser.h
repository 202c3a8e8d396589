// The reply of a Wi-Fi name and password change: success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOWiFiPasswordParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOWiFiPasswordParser> create() { return std::shared_ptr<TAVOWiFiPasswordParser>(new TAVOWiFiPasswordParser()); }
    std::string className() const override { return "TAVOWiFiPasswordParser"; }

protected:
    TAVOWiFiPasswordParser() = default;
};

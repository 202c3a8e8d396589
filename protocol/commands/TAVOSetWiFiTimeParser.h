// The reply of a Wi-Fi timer change: success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOSetWiFiTimeParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOSetWiFiTimeParser> create() { return std::shared_ptr<TAVOSetWiFiTimeParser>(new TAVOSetWiFiTimeParser()); }
    std::string className() const override { return "TAVOSetWiFiTimeParser"; }

protected:
    TAVOSetWiFiTimeParser() = default;
};

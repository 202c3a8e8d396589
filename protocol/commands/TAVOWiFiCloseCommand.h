// Turns a radio on or off: type 1 the 2.4 GHz radio, 2 the 5 GHz one; sw_2g / sw_5g are 1
// for a radio that stays on.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOWiFiCloseCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOWiFiCloseCommand> create() { return std::shared_ptr<TAVOWiFiCloseCommand>(new TAVOWiFiCloseCommand()); }

    bool close = false;
    int type = 0;
    int sw_2g = 0;
    int sw_5g = 0;

    ns::Dictionary bodys() const override {
    return ns::Dictionary{{"sw", close ? 0 : 1}, {"type", type}, {"sw_2g", sw_2g}, {"sw_5g", sw_5g}};
    }
    std::string className() const override { return "TAVOWiFiCloseCommand"; }

protected:
    TAVOWiFiCloseCommand() : TAVOCommand("router.wifiControl", "router/wifiControl") {}
};

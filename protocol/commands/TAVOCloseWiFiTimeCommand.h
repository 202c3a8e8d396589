// Switches the Wi-Fi timer off.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOCloseWiFiTimeCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOCloseWiFiTimeCommand> create() { return std::shared_ptr<TAVOCloseWiFiTimeCommand>(new TAVOCloseWiFiTimeCommand()); }

    int type = 0;

    ns::Dictionary bodys() const override {
    return ns::Dictionary{{"type", type}};
    }
    std::string className() const override { return "TAVOCloseWiFiTimeCommand"; }

protected:
    TAVOCloseWiFiTimeCommand() : TAVOCommand("router.closeWifiTimer", "router/closeWifiTimer") {}
};

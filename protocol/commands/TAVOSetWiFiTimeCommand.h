// Sets the Wi-Fi timer.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOSetWiFiTimeCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOSetWiFiTimeCommand> create() { return std::shared_ptr<TAVOSetWiFiTimeCommand>(new TAVOSetWiFiTimeCommand()); }

    std::string time;
    int type = 0;

    ns::Dictionary bodys() const override {
    return ns::Dictionary{{"time", time}, {"type", type}};
    }
    std::string className() const override { return "TAVOSetWiFiTimeCommand"; }

protected:
    TAVOSetWiFiTimeCommand() : TAVOCommand("router.setWifiTimer", "router/setwifitimer") {}
};

// Asks for the Wi-Fi timer.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOGetWIFITimeCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOGetWIFITimeCommand> create() { return std::shared_ptr<TAVOGetWIFITimeCommand>(new TAVOGetWIFITimeCommand()); }

    std::string className() const override { return "TAVOGetWIFITimeCommand"; }

protected:
    TAVOGetWIFITimeCommand() : TAVOCommand("router.getWifiTimer", "router/getwifitimer") {}
};

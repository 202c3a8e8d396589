// Asks for the state of the router's USB disk.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOUsbStatusCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOUsbStatusCommand> create() { return std::shared_ptr<TAVOUsbStatusCommand>(new TAVOUsbStatusCommand()); }

    std::string className() const override { return "TAVOUsbStatusCommand"; }

protected:
    TAVOUsbStatusCommand() : TAVOCommand("usb.getStatus", "") {}
};

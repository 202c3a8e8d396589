// Unmounts the router's USB disk.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOQuitUsbCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOQuitUsbCommand> create() { return std::shared_ptr<TAVOQuitUsbCommand>(new TAVOQuitUsbCommand()); }

    std::string className() const override { return "TAVOQuitUsbCommand"; }

protected:
    TAVOQuitUsbCommand() : TAVOCommand("usb.umountDisk", "") {}
};

// Asks for the transmit power of each band.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOGetRadioCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOGetRadioCommand> create() { return std::shared_ptr<TAVOGetRadioCommand>(new TAVOGetRadioCommand()); }

    std::string className() const override { return "TAVOGetRadioCommand"; }

protected:
    TAVOGetRadioCommand() : TAVOCommand("router.getRadioPower", "router/getRadioPower") {}
};

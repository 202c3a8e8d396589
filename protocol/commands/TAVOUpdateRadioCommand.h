// Sets the transmit power of one band ("2.4G") as a percentage.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOUpdateRadioCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOUpdateRadioCommand> create() { return std::shared_ptr<TAVOUpdateRadioCommand>(new TAVOUpdateRadioCommand()); }

    std::string freq;
    int power = 0;

    ns::Dictionary bodys() const override {
    return ns::Dictionary{{"freq", freq}, {"power", power}};
    }
    std::string className() const override { return "TAVOUpdateRadioCommand"; }

protected:
    TAVOUpdateRadioCommand() : TAVOCommand("router.updateRadioPower", "router/updateRadioPower") {}
};

// Lists one folder of the USB disk ("/" for the root); an empty path sends no pair.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOGetFileListCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOGetFileListCommand> create() { return std::shared_ptr<TAVOGetFileListCommand>(new TAVOGetFileListCommand()); }

    std::string path;

    ns::Dictionary bodys() const override {
    if (path.empty()) return {};
    return ns::Dictionary{{"path", path}};
    }
    std::string className() const override { return "TAVOGetFileListCommand"; }

protected:
    TAVOGetFileListCommand() : TAVOCommand("usb.getFileList", "") {}
};

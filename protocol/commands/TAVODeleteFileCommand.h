// Deletes files on the USB disk: full router paths joined by ";". A name
// that itself holds ";" would split into other names on the router (and
// could delete files nobody chose), so such a name is never sent.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "protocol/commands/TAVOCommand.h"

class TAVODeleteFileCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVODeleteFileCommand> create() {
        return std::shared_ptr<TAVODeleteFileCommand>(new TAVODeleteFileCommand());
    }

    std::vector<std::string> fileNames;

    ns::Dictionary bodys() const override;
    std::string className() const override { return "TAVODeleteFileCommand"; }

protected:
    TAVODeleteFileCommand() : TAVOCommand("usb.deleteFile", "") {}
};

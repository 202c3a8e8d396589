// Downloads one range ("bytes=first-last") of a file on the USB disk; the
// body is the file piece itself.
#pragma once

#include <memory>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVODownloadFileCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVODownloadFileCommand> create() {
        return std::shared_ptr<TAVODownloadFileCommand>(new TAVODownloadFileCommand());
    }

    std::string fileName;  // the full path on the router's disk
    std::string range;

    ns::Dictionary bodys() const override { return ns::Dictionary{{"file", fileName}}; }
    ns::Dictionary headers() const override { return ns::Dictionary{{"Range", range}}; }
    std::string className() const override { return "TAVODownloadFileCommand"; }

protected:
    TAVODownloadFileCommand() : TAVOCommand("usb.downloadFile", "") {}
};

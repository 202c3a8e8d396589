// Uploads one piece of a file to a folder of the USB disk; the piece's place
// in the whole file travels in "Content-Range" ("bytes first-last/total").
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOUploadFileCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOUploadFileCommand> create() {
        return std::shared_ptr<TAVOUploadFileCommand>(new TAVOUploadFileCommand());
    }

    std::string fileName;
    std::string path;
    std::optional<std::string> contentRange;

    ns::Dictionary bodys() const override { return ns::Dictionary{{"filename", fileName}, {"path", path}}; }
    ns::Dictionary headers() const override {
        if (!contentRange) return {};
        return ns::Dictionary{{"Content-Range", *contentRange}};
    }
    std::string className() const override { return "TAVOUploadFileCommand"; }

protected:
    TAVOUploadFileCommand() : TAVOCommand("usb.uploadFile", "") {}
};

#include "protocol/commands/TAVODeleteFileCommand.h"

#include "platform/foundation/Log.h"

ns::Dictionary TAVODeleteFileCommand::bodys() const {
    std::string joined;
    bool first = true;
    for (const auto& name : fileNames) {
        if (name.find(';') != std::string::npos) {
            ns::logWarning("usb.deleteFile: a name holding ';' is left out: " + name);
            continue;
        }
        if (!first) joined += ";";
        joined += name;
        first = false;
    }
    return ns::Dictionary{{"filenames", joined}};
}

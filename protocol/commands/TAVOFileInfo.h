// One file or folder on the router's USB disk, as the file list gives it.
// The file manager keeps its own state on top (state, subFiles).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class TAVOFileInfo : public ns::Object {
public:
    static std::shared_ptr<TAVOFileInfo> create() { return std::shared_ptr<TAVOFileInfo>(new TAVOFileInfo()); }

    std::string filePath;
    int filesNum = 0;
    std::string fileName;
    int fileType = 0;  // 0 folder, 1 file
    std::string fileLogoUrl;  // an icon image name
    float totalLength = 0;  // bytes
    std::string size;
    std::int64_t timestamp = 0;  // seconds since 1970
    std::string time;
    std::string parentPath;
    int state = 0;  // 0 idle
    // The router lists a file too large for it to size with size 0 and date 0.
    bool isBigFile = false;
    std::vector<std::shared_ptr<TAVOFileInfo>> subFiles;

    std::string className() const override { return "TAVOFileInfo"; }

protected:
    TAVOFileInfo() = default;
};

using TAVOFileInfoPtr = std::shared_ptr<TAVOFileInfo>;

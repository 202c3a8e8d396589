// A folder listing: a TAVOFileInfo folder record whose subFiles hold one record per
// entry of "filelist", newest first.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOGetFileListParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOGetFileListParser> create() { return std::shared_ptr<TAVOGetFileListParser>(new TAVOGetFileListParser()); }
    ns::Value parseResult(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetFileListParser"; }

protected:
    TAVOGetFileListParser() = default;
};

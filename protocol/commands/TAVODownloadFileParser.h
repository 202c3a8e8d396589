// The reply of a download (its body went to the target file): success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVODownloadFileParser : public TAVOParser {
public:
    static std::shared_ptr<TAVODownloadFileParser> create() { return std::shared_ptr<TAVODownloadFileParser>(new TAVODownloadFileParser()); }
    std::string className() const override { return "TAVODownloadFileParser"; }

protected:
    TAVODownloadFileParser() = default;
};

// The reply of a upload: success is errcode 0 alone, with no result.
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVOUploadFileParser : public TAVOParser {
public:
    static std::shared_ptr<TAVOUploadFileParser> create() { return std::shared_ptr<TAVOUploadFileParser>(new TAVOUploadFileParser()); }
    std::string className() const override { return "TAVOUploadFileParser"; }

protected:
    TAVOUploadFileParser() = default;
};

// The virus library payload, taken as it is when it is an object.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOGetVirusLibraryInfoParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOGetVirusLibraryInfoParser> create() { return std::shared_ptr<TAVOGetVirusLibraryInfoParser>(new TAVOGetVirusLibraryInfoParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOGetVirusLibraryInfoParser"; }

protected:
    TAVOGetVirusLibraryInfoParser() = default;
};

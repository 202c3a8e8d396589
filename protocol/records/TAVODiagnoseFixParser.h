// A repair reply: a list holding one diagnosis item when the payload is an
// object, else an empty list.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVODiagnoseFixParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVODiagnoseFixParser> create() { return std::shared_ptr<TAVODiagnoseFixParser>(new TAVODiagnoseFixParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVODiagnoseFixParser"; }

protected:
    TAVODiagnoseFixParser() = default;
};

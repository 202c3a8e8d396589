// For the requests whose router may cut its own reply short (optimising the
// channel restarts the radios, a factory reset restarts the router): an
// empty or unreadable body counts as success with no object, but a
// well-formed envelope with a non-zero "errcode" is the failure it says.
#pragma once

#include "protocol/requests/TAVODataParser.h"

class TAVOTolerantEnvelopeParser : public TAVODataParser {
public:
    static std::shared_ptr<TAVOTolerantEnvelopeParser> create() {
        return std::shared_ptr<TAVOTolerantEnvelopeParser>(new TAVOTolerantEnvelopeParser());
    }
    void parseNewData(const ns::Data& data) override;
    std::string className() const override { return "TAVOTolerantEnvelopeParser"; }

protected:
    TAVOTolerantEnvelopeParser() = default;
};

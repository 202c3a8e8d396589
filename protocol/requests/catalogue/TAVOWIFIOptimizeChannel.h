// TAVOWIFIOptimizeChannel: request 41, wifi.optimizeChannel.
#pragma once

#include "protocol/requests/TAVOTolerantEnvelopeParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOWIFIOptimizeChannel : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOWIFIOptimizeChannel> create() { return std::shared_ptr<TAVOWIFIOptimizeChannel>(new TAVOWIFIOptimizeChannel()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "optimizeChannel"; }
    TAVODataParserPtr createParser() override { return TAVOTolerantEnvelopeParser::create(); }
    std::string className() const override { return "TAVOWIFIOptimizeChannel"; }

protected:
    TAVOWIFIOptimizeChannel() = default;
};

// TAVOAppFeedbackRequest: request 62 of the application-information provider, system.addFeedback, always in the cloud.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOAppFeedbackRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOAppFeedbackRequest> create() { return std::shared_ptr<TAVOAppFeedbackRequest>(new TAVOAppFeedbackRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "addFeedback"; }
    bool isLocal() const override { return false; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVOAppFeedbackRequest"; }

protected:
    TAVOAppFeedbackRequest() = default;
};

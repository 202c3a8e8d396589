// TAVORemoteQueryAppUpdateRequest: request 61 of the application-information provider, system.getLatestApp, always in the cloud.
#pragma once

#include "protocol/records/TAVOAppQueryAppUpdateParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORemoteQueryAppUpdateRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORemoteQueryAppUpdateRequest> create() { return std::shared_ptr<TAVORemoteQueryAppUpdateRequest>(new TAVORemoteQueryAppUpdateRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "getLatestApp"; }
    bool isLocal() const override { return false; }
    TAVODataParserPtr createParser() override { return TAVOAppQueryAppUpdateParser::create(); }
    std::string className() const override { return "TAVORemoteQueryAppUpdateRequest"; }

protected:
    TAVORemoteQueryAppUpdateRequest() = default;
};

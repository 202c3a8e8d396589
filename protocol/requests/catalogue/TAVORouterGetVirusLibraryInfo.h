// TAVORouterGetVirusLibraryInfo: request 56, security.getVirusLibraryInfo.
#pragma once

#include "protocol/records/TAVOGetVirusLibraryInfoParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterGetVirusLibraryInfo : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterGetVirusLibraryInfo> create() { return std::shared_ptr<TAVORouterGetVirusLibraryInfo>(new TAVORouterGetVirusLibraryInfo()); }
    std::string moduleNameForAPI() const override { return "security"; }
    std::string concreteNameForAPI() const override { return "getVirusLibraryInfo"; }
    TAVODataParserPtr createParser() override { return TAVOGetVirusLibraryInfoParser::create(); }
    std::string className() const override { return "TAVORouterGetVirusLibraryInfo"; }

protected:
    TAVORouterGetVirusLibraryInfo() = default;
};

// TAVORouterUpdateVirusLibrary: request 57, security.updateVirusLibrary.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterUpdateVirusLibrary : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterUpdateVirusLibrary> create() { return std::shared_ptr<TAVORouterUpdateVirusLibrary>(new TAVORouterUpdateVirusLibrary()); }
    std::string moduleNameForAPI() const override { return "security"; }
    std::string concreteNameForAPI() const override { return "updateVirusLibrary"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterUpdateVirusLibrary"; }

protected:
    TAVORouterUpdateVirusLibrary() = default;
};

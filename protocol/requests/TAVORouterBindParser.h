// The bind replies (local bind and bind to the account): the router record on
// success, or a router-type error whose message prefers the router's own
// "errdesc". No size rule and no block-page test; a reply that is not JSON
// raises, which the request reports as the parse error 300003.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterBindParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterBindParser> create() { return std::shared_ptr<TAVORouterBindParser>(new TAVORouterBindParser()); }

    void parseNewData(const ns::Data& data) override;
    bool parserVData(const ns::Value& vdata) override;

    std::string className() const override { return "TAVORouterBindParser"; }

protected:
    TAVORouterBindParser() = default;
};

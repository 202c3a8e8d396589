// Changing the admin password: "type" 0 gives the payload (with the new
// ticket); any other value fails with a router-type error of that code.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterUpdateAdminPwdResultParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterUpdateAdminPwdResultParser> create() { return std::shared_ptr<TAVORouterUpdateAdminPwdResultParser>(new TAVORouterUpdateAdminPwdResultParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string textForError(int code) const override;
    std::string className() const override { return "TAVORouterUpdateAdminPwdResultParser"; }

protected:
    TAVORouterUpdateAdminPwdResultParser() = default;
};

#include "protocol/commands/TAVOParser.h"

#include <exception>

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "protocol/records/TAVOReplyReader.h"
#include "protocol/requests/TAVOHttpDataParser.h"

namespace R = TAVOReplyReader;

bool TAVOParser::parseResponse(const ns::Value& reply) {
    auto errors = TAVOErrorSystemManager::sharedManager();
    try {
        if (reply.isNil()) {
            result = parseResult(ns::Value());
            return true;
        }
        R::requireObject(reply, "command reply");
        const int errcode = R::integer(reply, "errcode");
        const ns::Value& vdata = R::lookup(reply, "vdata");
        if (errcode == 0) {
            result = parseResult(vdata);
            return true;
        }
        const ns::Value& desc = R::lookup(reply, "errdesc");
        std::string text = desc.isString() ? desc.asString() : std::string();
        if (errcode == -1010) text = TAVOHttpDataParser::wrongPasswordMessage(vdata);
        error = errors->transferRouterError(ns::Error::create(text.empty() ? "server error" : text, errcode));
        return false;
    } catch (const std::exception&) {
        result = ns::Value();
        error = errors->getErrorOfType(TAVOErrorTypeParse, 300003, TAVOLocalizedString("aarchitecture error parse error"));
        return false;
    }
}

ns::Value TAVOParser::parseResult(const ns::Value&) { return ns::Value(); }

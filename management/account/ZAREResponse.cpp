#include "management/account/ZAREResponse.h"

#include "management/account/KXOperation.h"
#include "net/json/TinyJson.h"

ns::Value ZAREResponse::readJSONReply(const ns::Data& body) {
    ns::Value reply = JSONValue(body.toString());
    if (!reply.isDictionary()) throw InvalidResponse();
    int code = reply["errno"].intValue();
    if (code != 0) {
        ns::Dictionary info;
        if (reply["errmsg"].isString()) info.set("error msg", reply["errmsg"]);
        error = ns::Error::create(kZARDomainUserCenter, code, info);
    }
    return reply;
}

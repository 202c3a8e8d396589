#include "management/account/ZAREUserIntfLoginResp.h"

#include "management/account/ZARUtility.h"

std::shared_ptr<ZAREUserIntfLoginResp> ZAREUserIntfLoginResp::initWithQStr(std::string q, std::string t) {
    auto r = std::make_shared<ZAREUserIntfLoginResp>();
    r->q = std::move(q);
    r->t = std::move(t);
    return r;
}

void ZAREUserIntfLoginResp::parseHeaders(const ns::Dictionary& headers) {
    auto newQ = ZARUtility::getCookieValueByName("Q", headers);
    auto newT = ZARUtility::getCookieValueByName("T", headers);
    if (newQ && newT) {
        q = *newQ;
        t = *newT;
    }
}

void ZAREUserIntfLoginResp::parseBody(const ns::Data& body) {
    ns::Value reply = readJSONReply(body);
    if (error) return;
    ns::Value user = reply["user"];
    if (user.isNilOrNull()) user = reply["data"];
    if (!user.isDictionary()) return;
    userDic = user;
    if (!q.empty() && !t.empty()) {
        userDic.mutableDictionary().set("Q", q);
        userDic.mutableDictionary().set("T", t);
    }
}

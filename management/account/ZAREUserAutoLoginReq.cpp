#include "management/account/ZAREUserAutoLoginReq.h"

#include "management/account/ZAREUserIntfLoginResp.h"

std::shared_ptr<ZAREUserAutoLoginReq> ZAREUserAutoLoginReq::initWithQ(std::string q, std::string t) {
    auto r = std::make_shared<ZAREUserAutoLoginReq>();
    r->q = std::move(q);
    r->t = std::move(t);
    return r;
}

void ZAREUserAutoLoginReq::generateSpecialParams(ns::Dictionary& params) {
    params.set("method", "CommonAccount.getUserInfo");
    params.set("format", "json");
    params.set("qt_errdesc", "1");
}

ns::Dictionary ZAREUserAutoLoginReq::generateHeaders() {
    ns::Dictionary headers = ZARERequest::generateHeaders();
    headers.set("Cookie", "Q=" + q + "; T=" + t);
    return headers;
}

ns::Dictionary ZAREUserAutoLoginReq::generateCookie() {
    if (q.empty() || t.empty()) return {};
    return ns::Dictionary{{"Q", q}, {"T", t}};
}

std::shared_ptr<KXResponse> ZAREUserAutoLoginReq::createResponse() { return ZAREUserIntfLoginResp::initWithQStr(q, t); }

// The reply of a sign-in, an automatic sign-in or a registration: the
// session cookies Q and T from "Set-Cookie" and the account's fields from
// the "user" (or "data") object.
#pragma once

#include <memory>
#include <string>

#include "management/account/ZAREResponse.h"

class ZAREUserIntfLoginResp : public ZAREResponse {
public:
    static std::shared_ptr<ZAREUserIntfLoginResp> create() { return initWithQStr({}, {}); }
    // Preset cookies (an automatic sign-in keeps its own when the reply
    // sets none).
    static std::shared_ptr<ZAREUserIntfLoginResp> initWithQStr(std::string q, std::string t);

    // The account's fields with "Q" and "T" added; nil when the reply had none.
    ns::Value userDic;
    std::string q;
    std::string t;

    void parseHeaders(const ns::Dictionary& headers) override;
    void parseBody(const ns::Data& body) override;
    std::string className() const override { return "ZAREUserIntfLoginResp"; }
};

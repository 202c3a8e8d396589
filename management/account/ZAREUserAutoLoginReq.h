// Signs in again with the two stored session cookies.
#pragma once

#include "management/account/ZARERequest.h"

class ZAREUserAutoLoginReq : public ZARERequest {
public:
    static std::shared_ptr<ZAREUserAutoLoginReq> initWithQ(std::string q, std::string t);
    std::string q;
    std::string t;

    void generateSpecialParams(ns::Dictionary& params) override;
    // The inherited headers plus "Cookie: Q=<q>; T=<t>".
    ns::Dictionary generateHeaders() override;
    // {"Q": q, "T": t} when both are present (not used for sending).
    ns::Dictionary generateCookie() override;
    // A login reply preset with this request's cookies.
    std::shared_ptr<KXResponse> createResponse() override;
    std::string className() const override { return "ZAREUserAutoLoginReq"; }
};

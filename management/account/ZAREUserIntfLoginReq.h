// Signs in with user name and password (and a typed captcha with its
// session code when the service demanded one).
#pragma once

#include "management/account/ZARERequest.h"

class ZAREUserIntfLoginReq : public ZARERequest {
public:
    static std::shared_ptr<ZAREUserIntfLoginReq> create() { return std::make_shared<ZAREUserIntfLoginReq>(); }
    std::string userName;
    std::string password;
    std::string uc;  // the typed captcha
    std::string sc;  // the captcha session code

    void generateSpecialParams(ns::Dictionary& params) override;
    std::shared_ptr<KXResponse> createResponse() override;
    std::string className() const override { return "ZAREUserIntfLoginReq"; }
};

// Registers an account by e-mail (type "1") or phone number (type "2").
#pragma once

#include "management/account/ZARERequest.h"

class ZARECommonAccountRegReq : public ZARERequest {
public:
    static std::shared_ptr<ZARECommonAccountRegReq> create() { return std::make_shared<ZARECommonAccountRegReq>(); }
    std::string regType;
    std::string userName;
    std::string psw;
    std::string mid;
    std::string smsCode;
    std::string sc;
    std::string uc;

    void generateSpecialParams(ns::Dictionary& params) override;
    std::shared_ptr<KXResponse> createResponse() override;
    std::string className() const override { return "ZARECommonAccountRegReq"; }
};

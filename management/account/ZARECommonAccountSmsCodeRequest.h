// Asks the account service to text a registration code to a phone number.
#pragma once

#include "management/account/ZARERequest.h"

class ZARECommonAccountSmsCodeRequest : public ZARERequest {
public:
    static std::shared_ptr<ZARECommonAccountSmsCodeRequest> create() {
        return std::make_shared<ZARECommonAccountSmsCodeRequest>();
    }
    std::string phoneNumber;
    std::string mid;

    void generateSpecialParams(ns::Dictionary& params) override;
    std::shared_ptr<KXResponse> createResponse() override;
    std::string className() const override { return "ZARECommonAccountSmsCodeRequest"; }
};

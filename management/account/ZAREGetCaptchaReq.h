// Asks the account service for a captcha image of a given size.
#pragma once

#include "management/account/ZARERequest.h"

class ZAREGetCaptchaReq : public ZARERequest {
public:
    static std::shared_ptr<ZAREGetCaptchaReq> create() { return std::make_shared<ZAREGetCaptchaReq>(); }
    double width = 0;
    double height = 0;

    void generateSpecialParams(ns::Dictionary& params) override;
    std::shared_ptr<KXResponse> createResponse() override;
    std::string className() const override { return "ZAREGetCaptchaReq"; }
};

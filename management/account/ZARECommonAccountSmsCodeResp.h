// The reply of an SMS-code request: only a failure is recorded.
#pragma once

#include "management/account/ZAREResponse.h"

class ZARECommonAccountSmsCodeResp : public ZAREResponse {
public:
    void parseBody(const ns::Data& body) override { readJSONReply(body); }
    std::string className() const override { return "ZARECommonAccountSmsCodeResp"; }
};

#include "management/account/ZARECommonAccountSmsCodeRequest.h"

#include "management/account/ZARECommonAccountSmsCodeResp.h"

void ZARECommonAccountSmsCodeRequest::generateSpecialParams(ns::Dictionary& params) {
    params.set("method", "CommonAccount.sendSmsCode");
    params.set("format", "json");
    params.set("account", phoneNumber);
    params.set("condition", "2");
    params.set("mid", mid);
}

std::shared_ptr<KXResponse> ZARECommonAccountSmsCodeRequest::createResponse() {
    return std::make_shared<ZARECommonAccountSmsCodeResp>();
}

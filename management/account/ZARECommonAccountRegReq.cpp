#include "management/account/ZARECommonAccountRegReq.h"

#include "core/crypto/StringAddition.h"
#include "management/account/ZAREUserIntfLoginResp.h"

void ZARECommonAccountRegReq::generateSpecialParams(ns::Dictionary& params) {
    params.set("method", "CommonAccount.register");
    params.set("format", "json");
    params.set("account", userName);
    params.set("type", regType);
    params.set("password", KXMd5String(psw));
    if (!sc.empty()) params.set("sc", sc);
    if (!uc.empty()) params.set("uc", uc);
    if (!smsCode.empty()) params.set("smscode", smsCode);
    params.set("mid", mid);
}

std::shared_ptr<KXResponse> ZARECommonAccountRegReq::createResponse() { return ZAREUserIntfLoginResp::create(); }

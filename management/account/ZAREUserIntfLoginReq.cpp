#include "management/account/ZAREUserIntfLoginReq.h"

#include "core/crypto/StringAddition.h"
#include "management/account/ZAREUserIntfLoginResp.h"

void ZAREUserIntfLoginReq::generateSpecialParams(ns::Dictionary& params) {
    params.set("method", "UserIntf.login");
    params.set("format", "json");
    params.set("username", userName);
    params.set("password", KXMd5String(password));
    if (!sc.empty()) params.set("sc", sc);
    if (!uc.empty()) params.set("uc", uc);
}

std::shared_ptr<KXResponse> ZAREUserIntfLoginReq::createResponse() { return ZAREUserIntfLoginResp::create(); }

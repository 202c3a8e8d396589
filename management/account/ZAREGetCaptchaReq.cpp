#include "management/account/ZAREGetCaptchaReq.h"

#include <cstdio>

#include "management/account/ZAREGetCaptchaResp.h"

namespace {
std::string sixDecimals(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", v);
    return text;
}
}  // namespace

void ZAREGetCaptchaReq::generateSpecialParams(ns::Dictionary& params) {
    params.set("method", "UserIntf.getCaptcha");
    params.set("format", "json");
    params.set("width", sixDecimals(width));
    params.set("height", sixDecimals(height));
}

std::shared_ptr<KXResponse> ZAREGetCaptchaReq::createResponse() { return std::make_shared<ZAREGetCaptchaResp>(); }

#include "management/account/ZAREGetCaptchaResp.h"

void ZAREGetCaptchaResp::parseHeaders(const ns::Dictionary& headers) {
    const ns::Value* code = headers.find("sc");
    if (!code) code = headers.find("Sc");
    sc = code ? code->stringValue() : std::string();
}

void ZAREGetCaptchaResp::parseBody(const ns::Data& body) { image = cg::Image::createWithPNGData(body); }

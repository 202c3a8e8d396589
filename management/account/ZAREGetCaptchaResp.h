// A captcha reply: the image in the body, its session code in header "sc"
// (or "Sc"). A body that is not an image leaves `image` empty; never an error.
#pragma once

#include <string>

#include "management/account/ZAREResponse.h"
#include "platform/graphics/Image.h"

class ZAREGetCaptchaResp : public ZAREResponse {
public:
    std::string sc;
    cg::ImagePtr image;

    void parseHeaders(const ns::Dictionary& headers) override;
    void parseBody(const ns::Data& body) override;
    std::string className() const override { return "ZAREGetCaptchaResp"; }
};

// One captcha challenge of the user-account service: the image to show and
// the session code to send back with the typed text.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/graphics/Image.h"

class TAVOAuthCodeModel : public ns::Object {
public:
    static std::shared_ptr<TAVOAuthCodeModel> create() { return std::make_shared<TAVOAuthCodeModel>(); }
    std::string sc;
    cg::ImagePtr codeImage;  // null when the reply was not an image
    std::string className() const override { return "TAVOAuthCodeModel"; }
};

// Renders the image-processing layer's images into drawing-layer bitmaps.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/ci/Image.h"

namespace ci {

class Context : public ns::Object {
public:
    // Options are not needed by anything here, so there are none.
    static std::shared_ptr<Context> contextWithOptions();

    // The pixels of the image inside the rectangle (made whole pixels), as
    // a bitmap of that size at scale 1; what lies outside the image's
    // extent is transparent. Null for a null image or an empty rectangle.
    cg::ImagePtr createCGImage(const ImagePtr& image, const cg::Rect& fromRect) const;
};

using ContextPtr = std::shared_ptr<Context>;

}  // namespace ci

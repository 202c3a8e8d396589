#include "platform/graphics/ci/Image.h"

namespace ci {

ImagePtr Image::imageWithCGImage(const cg::ImagePtr& image) {
    if (!image) return nullptr;
    return create(image, cg::RectMake(0, 0, double(image->width()), double(image->height())));
}

ImagePtr Image::create(cg::ImagePtr pixels, cg::Rect extent) {
    if (!pixels || cg::RectIsEmpty(extent)) return std::make_shared<Image>(nullptr, cg::RectMake(0, 0, 0, 0));
    return std::make_shared<Image>(std::move(pixels), extent);
}

ImagePtr Image::imageByCroppingToRect(const cg::Rect& rect) const {
    if (isEmpty()) return create(nullptr, rect);
    cg::Rect kept = cg::RectIntersection(extent_, cg::RectIntegral(rect));
    if (cg::RectIsNull(kept) || cg::RectIsEmpty(kept)) return create(nullptr, kept);
    cg::Rect local = cg::RectOffset(kept, -extent_.origin.x, -extent_.origin.y);
    return create(pixels_->createWithImageInRect(local), kept);
}

}  // namespace ci

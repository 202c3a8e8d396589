#include "platform/ui/ImageView.h"

namespace ui {

std::shared_ptr<ImageView> ImageView::createWithImage(const ImagePtr& image) {
    auto v = make<ImageView>(image ? cg::Rect{{0, 0}, image->size()} : cg::RectZero);
    v->setImage(image);
    return v;
}

void ImageView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setUserInteractionEnabled(false);
}

void ImageView::setImage(const ImagePtr& image) {
    if (setProperty(image_, image, PropertyEffectsDisplay)) showDisplayedImage();
}

void ImageView::setHighlightedImage(const ImagePtr& image) {
    if (setProperty(highlightedImage_, image, PropertyEffectsDisplay)) showDisplayedImage();
}

void ImageView::setHighlighted(bool h) {
    if (setProperty(highlighted_, h, PropertyEffectsDisplay)) showDisplayedImage();
}

void ImageView::showDisplayedImage() { layer()->setContents(displayedImage()); }

ImagePtr ImageView::displayedImage() const {
    if (highlighted_ && highlightedImage_) return highlightedImage_;
    return image_;
}

void ImageView::startAnimating() {
    if (!animationImages.empty()) animating_ = true;
}

void ImageView::stopAnimating() { animating_ = false; }

cg::Size ImageView::sizeThatFits(const cg::Size&) const { return image_ ? image_->size() : cg::SizeZero; }

}  // namespace ui

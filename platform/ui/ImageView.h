// A view that shows an image (or its highlighted image while highlighted),
// or cycles through animation images. It takes no touches by default;
// created with an image, it is as large as the image.
#pragma once

#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace ui {

class ImageView : public View {
public:
    using View::View;
    static std::shared_ptr<ImageView> create(const cg::Rect& frame = {}) { return make<ImageView>(frame); }
    static std::shared_ptr<ImageView> createWithImage(const ImagePtr& image);

    const ImagePtr& image() const { return image_; }
    void setImage(const ImagePtr& image);
    const ImagePtr& highlightedImage() const { return highlightedImage_; }
    void setHighlightedImage(const ImagePtr& image);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool h);
    // The image shown now.
    ImagePtr displayedImage() const;

    std::vector<ImagePtr> animationImages;
    double animationDuration = 0;
    long animationRepeatCount = 0;
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }

    cg::Size sizeThatFits(const cg::Size& size) const override;
    void initWithFrame(const cg::Rect& frame) override;

private:
    // The layer shows the image of the moment.
    void showDisplayedImage();

    ImagePtr image_;
    ImagePtr highlightedImage_;
    bool highlighted_ = false;
    bool animating_ = false;
};

using ImageViewPtr = std::shared_ptr<ImageView>;

}  // namespace ui

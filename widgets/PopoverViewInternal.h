// A popover's bubble: the background shadow, the content container and the
// arrow on top, clipped to the bubble. Its size follows the content size
// (no margin is added).
#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "widgets/PopoverContainerView.h"

class PopoverViewInternal : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<PopoverViewInternal> create(const cg::Rect& frame = {}) {
        return make<PopoverViewInternal>(frame);
    }

    static constexpr double kResizeDuration = 0.3;

    // 0: the bubble lies below its anchor, the arrow at its top pointing up;
    // 1: above, the arrow at its bottom pointing down.
    enum Direction : int { kArrowUp = 0, kArrowDown = 1 };

    const cg::Size& contentSize() const { return contentSize_; }
    cg::Size suggestSize() const { return contentSize_; }
    void setContentSize(const cg::Size& size, bool animated);

    // The arrow's image for the direction (any other direction keeps the
    // image) and its frame in the bubble.
    void setArrowFrame(const cg::Rect& frame, int direction);
    // The size of the arrow's current image; zero without one.
    cg::Size arrowSize() const;

    // Images that replace the built-in ones; a nil background changes nothing.
    void setBgContainerImage(const ui::ImagePtr& image);
    const ui::ImagePtr& upArrowImage() const { return upArrowImage_; }
    void setUpArrowImage(const ui::ImagePtr& image) { upArrowImage_ = image; }
    const ui::ImagePtr& downArrowImage() const { return downArrowImage_; }
    void setDownArrowImage(const ui::ImagePtr& image) { downArrowImage_ = image; }

    void setContentView(const ui::ViewPtr& view, bool animated) { containerView_->setContentView(view, animated); }

    const PopoverContainerViewPtr& containerView() const { return containerView_; }
    const ui::ImageViewPtr& arrowView() const { return arrowView_; }

    void initWithFrame(const cg::Rect& frame) override;

private:
    ui::ImageViewPtr bgShadowView_;
    PopoverContainerViewPtr containerView_;
    ui::ImageViewPtr arrowView_;
    cg::Size contentSize_;
    ui::ImagePtr upArrowImage_;
    ui::ImagePtr downArrowImage_;
};

using PopoverViewInternalPtr = std::shared_ptr<PopoverViewInternal>;

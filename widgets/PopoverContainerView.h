// The body of a popover's bubble: the background image and the content
// view over it, both filling it. A new content view replaces the old one
// at once, or cross-dissolves from it over 0.3 s.
#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class PopoverContainerView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<PopoverContainerView> create(const cg::Rect& frame = {}) {
        return make<PopoverContainerView>(frame);
    }

    static constexpr double kSwapDuration = 0.3;
    static constexpr long kBackgroundCap = 23;

    const ui::ImageViewPtr& bgImageView() const { return bgImageView_; }
    void setBgImage(const ui::ImagePtr& image);
    const ui::ViewPtr& contentView() const { return contentView_; }
    void setContentView(const ui::ViewPtr& view) { setContentView(view, false); }
    void setContentView(const ui::ViewPtr& view, bool animated);

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ui::ImageViewPtr bgImageView_;
    ui::ViewPtr contentView_;
};

using PopoverContainerViewPtr = std::shared_ptr<PopoverContainerView>;

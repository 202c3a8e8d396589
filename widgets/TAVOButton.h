// The square button of the dashboard panel: a picture centred at the top
// (its pressed look lit from the middle), a one-line caption along the
// bottom and an optional count badge at the picture's top-right corner.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/IndicatorView.h"

class TAVOButton : public ui::Button {
public:
    using Button::Button;
    static std::shared_ptr<TAVOButton> create(const cg::Rect& frame = {}) { return make<TAVOButton>(frame); }

    static constexpr double kCaptionHeight = 14;
    static constexpr double kCaptionFontSize = 12;
    static constexpr double kBadgeSide = 30;
    // The badge's centre sits this far below the button's top edge.
    static constexpr double kBadgeTopInset = 5;

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

    // The normal picture, and the same lit from the middle when pressed.
    void setButtonImage(const ui::ImagePtr& image);
    // The caption, made on first use.
    void setContent(const std::string& content);
    // The badge, made on first read; every read puts it back at the
    // container's top-right corner until the next layout places it.
    const std::shared_ptr<IndicatorView>& indicator();
    // Sizes the badge to the text (at least its least size) and shows it.
    void setIndicatorText(const std::string& text);

    // The picture's frame, which the badge is placed against; never shown.
    const ui::ImageViewPtr& buttonImageView() const { return buttonImageView_; }
    const ui::LabelPtr& contentLabel() const { return contentLabel_; }
    const ui::ViewPtr& containerView() const { return containerView_; }
    cg::Size indicatorSpaceSize() const { return indicatorSpaceSize_; }
    void setIndicatorSpaceSize(const cg::Size& size);
    bool autoLayout() const { return autoLayout_; }

private:
    const ui::ViewPtr& container();
    cg::Rect pictureFrame() const;

    ui::ImageViewPtr buttonImageView_;
    ui::LabelPtr contentLabel_;
    ui::ViewPtr containerView_;
    std::shared_ptr<IndicatorView> indicator_;
    cg::Size indicatorSpaceSize_;
    bool autoLayout_ = false;
};

using TAVOButtonPtr = std::shared_ptr<TAVOButton>;

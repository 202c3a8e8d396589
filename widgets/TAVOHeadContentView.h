// A header strip: an optional background picture, an icon at the left and
// a title with an optional subtitle under it.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOHeadContentView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOHeadContentView> create(const cg::Rect& frame = {}) {
        return make<TAVOHeadContentView>(frame);
    }

    // Only sizes the icon area.
    static constexpr const char* kIconSizingImageName = "icon_about_setting";

    void initWithFrame(const cg::Rect& frame) override;

    const ui::ImagePtr& iconImage() const { return iconImage_; }
    void setIconImage(const ui::ImagePtr& image);
    // With no subtitle kept, the title takes the whole height again.
    void setTitle(const std::string& title);
    const std::string& subTitle() const { return subTitle_; }
    // An empty subtitle is kept but changes nothing shown until the next
    // setTitle.
    void setSubTitle(const std::string& subTitle);
    const ui::ImagePtr& bgImage() const { return bgImage_; }
    // Null removes the background; a picture is shown behind everything.
    void setBgImage(const ui::ImagePtr& image);

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& subTitleLabel() const { return subTitleLabel_; }
    const ui::ImageViewPtr& bgView() const { return bgView_; }

private:
    ui::ImageViewPtr iconView_;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr subTitleLabel_;
    ui::ImageViewPtr bgView_;
    cg::Rect fullTitleFrame_;
    ui::ImagePtr iconImage_;
    ui::ImagePtr bgImage_;
    std::string subTitle_;
};

// The count badge that buttons and cells put on a corner: a number (capped
// with a superscript plus above the maximum), "new" for -1, or free text.
// A zero count hides it; the force flags override the hiding.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class IndicatorView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<IndicatorView> create(const cg::Rect& frame = {}) { return make<IndicatorView>(frame); }

    static constexpr int kDefaultMaxCount = 99;
    // The count that reads "new".
    static constexpr int kNewCount = -1;

    int count() const { return count_; }
    void setCount(int count);
    int maxCount() const { return maxCount_; }
    // Shows the current count again against the new maximum.
    void setMaxCount(int maxCount);
    const std::string& content() const { return content_; }
    void setContent(const std::string& content);
    bool forceHidden() const { return forceHidden_; }
    // On hides the badge at once; off only clears the flag.
    void setForceHidden(bool on);
    bool forceShow() const { return forceShow_; }
    // On shows the badge at once; off only clears the flag.
    void setForceShow(bool on);
    const ui::ImagePtr& bgImage() const { return bgImage_; }
    void setBgImage(const ui::ImagePtr& image);
    const ui::Font& indicatorFont() const { return indicatorFont_; }
    void setIndicatorFont(const ui::Font& font);
    void setIndicatorColor(const ui::Color& color);
    // The least size the badge's users give it; the badge never reads it.
    cg::Size minSize() const { return minSize_; }
    void setMinSize(const cg::Size& size) { minSize_ = size; }

    const ui::ImageViewPtr& bgImageView() const { return bgImageView_; }
    const ui::LabelPtr& textLabel() const { return textLabel_; }

    void initWithFrame(const cg::Rect& frame) override;

private:
    int count_ = 0;
    int maxCount_ = kDefaultMaxCount;
    std::string content_;
    bool forceHidden_ = false;
    bool forceShow_ = false;
    ui::ImagePtr bgImage_;
    ui::Font indicatorFont_;
    cg::Size minSize_;
    ui::ImageViewPtr bgImageView_;
    ui::LabelPtr textLabel_;
};

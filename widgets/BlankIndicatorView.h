// The empty-state placeholder of the list screens: an image at the top,
// centred, and text lines that share the height below it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class BlankIndicatorView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<BlankIndicatorView> create(const cg::Rect& frame = {}) {
        return make<BlankIndicatorView>(frame);
    }

    static constexpr const char* kDefaultImageName = "defult_none.png";
    static constexpr double kImageGap = 10;
    static constexpr double kLineGap = 3;
    static ui::Color firstLineColor() { return ui::Color::rgb255(171, 177, 177); }
    static ui::Color textLineColor() { return ui::Color::rgb255(187, 187, 187); }

    const ui::ImageViewPtr& imageView() const { return imageView_; }
    const std::vector<ui::LabelPtr>& textLabels() const { return textLabels_; }
    // Nothing changes for no image.
    void setImage(const ui::ImagePtr& image);
    // One line per non-empty text, in order; an empty list keeps the
    // lines shown.
    void setBlackIntroduceText(const std::vector<std::string>& lines);

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ui::ImageViewPtr imageView_;
    std::vector<ui::LabelPtr> textLabels_;
};

using BlankIndicatorViewPtr = std::shared_ptr<BlankIndicatorView>;

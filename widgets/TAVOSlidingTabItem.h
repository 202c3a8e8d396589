// A titled tab of the sliding tabs' bar, with an optional picture that
// changes to its pressed version while a finger is down on the tab.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

class TAVOSlidingTabItem : public ui::Control {
public:
    using ui::Control::Control;

    static constexpr double kTitleFontSize = 14;

    static std::shared_ptr<TAVOSlidingTabItem> create(const std::string& title,
                                                      const ui::ImagePtr& image = nullptr,
                                                      const ui::ImagePtr& selectedImage = nullptr);

    const std::shared_ptr<ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<ui::ImageView>& imageView() const { return imageView_; }
    const std::shared_ptr<ui::ImageView>& selectedImageView() const { return selectedImageView_; }

    void layoutSubviews() override;
    bool beginTrackingWithTouch(ui::Touch& touch, const ui::Event* event) override;
    void endTrackingWithTouch(ui::Touch& touch, const ui::Event* event) override;
    // A cancelled touch (a drag taking over) restores the normal picture too.
    void cancelTrackingWithEvent(const ui::Event* event) override;

private:
    void showPressed(bool pressed);

    std::shared_ptr<ui::Label> titleLabel_;
    std::shared_ptr<ui::ImageView> imageView_;
    std::shared_ptr<ui::ImageView> selectedImageView_;
};

using TAVOSlidingTabItemPtr = std::shared_ptr<TAVOSlidingTabItem>;

// Tells the user how to join the router's Wi-Fi: a line, a picture and a
// button that closes the screen.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOGetWIFIHelpViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOGetWIFIHelpViewController> create();

    static constexpr double kLabelTop = 30;
    static constexpr double kLabelTopTall = 60;
    static constexpr double kLabelHeight = 15;
    static constexpr double kImageGap = 18;
    static constexpr double kBottomGap = 20;
    static constexpr double kButtonInsetX = 70;
    static constexpr double kButtonBottom = 10;
    static constexpr double kButtonBottomTall = 20;
    static constexpr const char* kHelpImage = "image_getwifi_help_bind";
    static ui::Color pageColor() { return ui::Color::white(241.0 / 255.0); }

    const ui::LabelPtr& label() const { return label_; }
    const ui::ImageViewPtr& imageView() const { return imageView_; }
    const ui::ButtonPtr& button() const { return button_; }

    void viewDidLoad() override;
    void onKnownPressed();

private:
    ui::LabelPtr label_;
    ui::ImageViewPtr imageView_;
    ui::ButtonPtr button_;
};

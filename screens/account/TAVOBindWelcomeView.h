// The panel of the router binding screen: the round indicator picture that
// tells whether the router was found, a spinner over it while the screen
// looks for the router, and one line under it with the network's name or
// the reason it was not found. (The welcome line and the name picture are
// there for screens that greet the user; the binding screen hides them.)
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOBindWelcomeView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOBindWelcomeView> create(const cg::Rect& frame);

    static constexpr double kSpinnerSeconds = 1.0;
    static constexpr double kInfoHeight = 40;
    static constexpr double kInfoFontSize = 15;
    static constexpr double kInfoWhite = 0.4;
    static ui::Color errorColor() { return ui::Color::rgb255(241, 120, 87); }

    const ui::LabelPtr& welcomeLabel() const { return welcomeLabel_; }
    const ui::ImageViewPtr& nameImageView() const { return nameImageView_; }
    const ui::ImageViewPtr& welcomeImageView() const { return welcomeImageView_; }
    // Made on first use.
    const ui::ImageViewPtr& spinner();
    const ui::LabelPtr& infoLabel();
    bool isSpinning() const;

    // The network's name in the info line; empty clears it.
    void setArdoWifiSSID(const std::string& ssid);
    // An error text in the info line; an empty text changes nothing.
    void setErrorInfo(const std::string& text);
    // An image starts the spinner with it; null stops it.
    void setIndicator(const ui::ImagePtr& image);

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ui::LabelPtr welcomeLabel_;
    ui::ImageViewPtr nameImageView_;
    ui::ImageViewPtr welcomeImageView_;
    ui::ImageViewPtr spinner_;
    ui::LabelPtr infoLabel_;
};

using TAVOBindWelcomeViewPtr = std::shared_ptr<TAVOBindWelcomeView>;

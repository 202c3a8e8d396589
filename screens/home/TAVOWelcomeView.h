// The welcome panel under the first screen's buttons: a greeting, the
// product name, a large picture of the joined Wi-Fi, a spinner while the
// router is asked, and one line for the joined network's name or an error.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "widgets/CircleView.h"

class TAVOWelcomeView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOWelcomeView> create(const cg::Rect& frame = {}) { return make<TAVOWelcomeView>(frame); }

    static constexpr const char* kWelcomeImageName = "icon_welcome_indicator_off_bind.jpg";

    void initWithFrame(const cg::Rect& frame) override;

    // A name shows in the info line; an empty one clears the line.
    void setArdoWifiSSID(const std::string& ssid);
    // An error shows in the info line; an empty one changes nothing.
    void setErrorInfo(const std::string& error);
    // A picture starts the spinner under the Wi-Fi picture afresh; null
    // clears and stops it.
    void setIndicator(const ui::ImagePtr& image);
    void createInfoLabel();

    const ui::LabelPtr& welcomeLabel() const { return welcomeLabel_; }
    const ui::ImageViewPtr& nameImageView() const { return nameImageView_; }
    const ui::ImageViewPtr& welcomeImageView() const { return welcomeImageView_; }
    const std::shared_ptr<CircleView>& indicatorView() const { return indicatorView_; }
    const ui::LabelPtr& infoLabel() const { return infoLabel_; }

private:
    void showInfo(const std::string& text);

    ui::LabelPtr welcomeLabel_;
    ui::ImageViewPtr nameImageView_;
    ui::ImageViewPtr welcomeImageView_;
    std::shared_ptr<CircleView> indicatorView_;
    ui::LabelPtr infoLabel_;
};

using TAVOWelcomeViewPtr = std::shared_ptr<TAVOWelcomeView>;

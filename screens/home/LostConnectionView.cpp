#include "screens/home/LostConnectionView.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "platform/ui/Image.h"

namespace {

constexpr const char* kNoConnectionImage = "public_ic_noconnect";
constexpr const char* kButtonImage = "home_btn";
constexpr const char* kButtonPressedImage = "home_btn_pre";
constexpr long kButtonCap = 5;
constexpr double kTextFontSize = 18;
constexpr double kButtonFontSize = 16;
constexpr double kTextHeight = 20;
constexpr double kTextGap = 22;
constexpr double kButtonWidth = 200;
constexpr double kButtonHeight = 32;
constexpr double kButtonBottom = 32;

ui::ImagePtr stretchable(const char* name) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap) : nullptr;
}

}  // namespace

void LostConnectionView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    lostView_ = ControlFactory::createImageView(kNoConnectionImage, ui::ContentMode::Center);
    descriptLabel_ = ControlFactory::createLabel(TAVOLocalizedString("router lost connect"), ui::Color::whiteColor(),
                                                 ui::Font::systemFontOfSize(kTextFontSize), ui::Color::clearColor(),
                                                 ui::TextAlignment::Center);
    reconnectBtn_ = ControlFactory::createButton(TAVOLocalizedString("re connect to router"),
                                                 ui::Font::systemFontOfSize(kButtonFontSize), ui::Color::whiteColor());
    reconnectBtn_->setBackgroundImage(stretchable(kButtonImage), ui::ControlStateNormal);
    reconnectBtn_->setBackgroundImage(stretchable(kButtonPressedImage), ui::ControlStateHighlighted);
    addSubview(lostView_);
    addSubview(descriptLabel_);
    addSubview(reconnectBtn_);
}

void LostConnectionView::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    const cg::Size image = lostView_->image() ? lostView_->image()->size() : cg::Size{};
    lostView_->setFrame(cg::RectMake((b.size.width - image.width) / 2, 0, image.width, image.height));
    descriptLabel_->setFrame(cg::RectMake(0, image.height + kTextGap, b.size.width, kTextHeight));
    reconnectBtn_->setFrame(cg::RectMake(std::ceil((b.size.width - kButtonWidth) / 2),
                                         std::ceil(b.size.height - kButtonBottom), kButtonWidth, kButtonHeight));
}

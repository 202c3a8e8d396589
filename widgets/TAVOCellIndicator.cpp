#include "widgets/TAVOCellIndicator.h"

#include <cmath>

namespace {

constexpr double kButtonInset = 25;
constexpr long kButtonLeftCap = 22;
constexpr double kArrowRightInset = 44;
constexpr double kContentX = 34;
constexpr double kContentGap = 18;
constexpr double kContentFontSize = 17;
constexpr const char* kButtonImage = "bg_devices_indicaror_mywifi";
constexpr const char* kPressedButtonImage = "bg_devices_indicaror_press_mywifi";
constexpr const char* kArrowImage = "public_list_arrows";

ui::ImagePtr stretched(const char* name) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(kButtonLeftCap, 0) : nullptr;
}

}  // namespace

void TAVOCellIndicator::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    const double w = frame.size.width;
    const double h = frame.size.height;

    bgButton_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    bgButton_->setFrame(cg::RectMake(kButtonInset, 0, w - 2 * kButtonInset, h));
    bgButton_->setBackgroundImage(stretched(kButtonImage), ui::ControlStateNormal);
    bgButton_->setBackgroundImage(stretched(kPressedButtonImage), ui::ControlStateHighlighted);
    addSubview(bgButton_);

    auto arrow = ui::Image::imageNamed(kArrowImage);
    const double arrowWidth = arrow ? arrow->size().width : 0;
    appender_ = ui::ImageView::createWithImage(arrow);
    appender_->setContentMode(ui::ContentMode::Center);
    appender_->setFrame(cg::RectMake(w - kArrowRightInset - arrowWidth, 0, arrowWidth, h));
    addSubview(appender_);

    content_ = ui::Label::create(
        cg::RectMake(kContentX, 0, std::ceil(appender_->frame().origin.x - kContentGap), h));
    content_->setBackgroundColor(ui::Color::clearColor());
    content_->setFont(ui::Font::systemFontOfSize(kContentFontSize));
    content_->setTextColor(ui::Color::rgba(0.2, 0.2, 0.2, 1));
    content_->setAlpha(1);
    addSubview(content_);
}

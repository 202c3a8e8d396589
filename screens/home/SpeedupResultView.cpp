#include "screens/home/SpeedupResultView.h"

#include <cmath>
#include <string>

#include "platform/ui/Font.h"
#include "platform/ui/Image.h"

namespace {

constexpr const char* kRocketImage = "home_rocket";
constexpr double kRocketWidth = 16;
constexpr double kRocketHeight = 30;
constexpr double kRocketTop = 10;
constexpr double kNumberPadding = 5;
constexpr double kNumberBottomInset = 23;
constexpr double kPlusWidth = 15;
constexpr double kPercentWidth = 10;
constexpr double kPlusFontSize = 27;
constexpr double kNumberFontSize = 44;
constexpr double kPercentFontSize = 11;
const ui::Color kBadgeGreen = ui::Color::rgb255(10, 167, 75);

ui::LabelPtr badgeLabel(const std::string& text, double fontSize, ui::TextAlignment alignment) {
    auto label = ui::Label::create();
    label->setText(text);
    label->setFont(ui::Font::systemFontOfSize(fontSize));
    label->setTextColor(kBadgeGreen);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextAlignment(alignment);
    return label;
}

}  // namespace

void SpeedupResultView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    rocketView_ = ui::ImageView::createWithImage(ui::Image::imageNamed(kRocketImage));
    plusLabel_ = badgeLabel("+", kPlusFontSize, ui::TextAlignment::Right);
    speedupResultLabel_ = badgeLabel("0", kNumberFontSize, ui::TextAlignment::Center);
    percentLabel_ = badgeLabel("%", kPercentFontSize, ui::TextAlignment::Left);
    addSubview(rocketView_);
    addSubview(plusLabel_);
    addSubview(speedupResultLabel_);
    addSubview(percentLabel_);
}

void SpeedupResultView::startCountUp(int value) {
    value_ = value >= kMaxValue + 1 ? kMaxValue : value;
    speedupResultLabel_->setText(std::to_string(value_));
    setNeedsLayout();
}

void SpeedupResultView::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    rocketView_->setFrame(cg::RectMake((b.size.width - kRocketWidth) / 2, kRocketTop, kRocketWidth, kRocketHeight));
    const cg::Size text = speedupResultLabel_->font().sizeOfString(speedupResultLabel_->text());
    const double width = text.width + 2 * kNumberPadding;
    const double height = text.height + 2 * kNumberPadding;
    const double x = std::ceil((b.size.width - width) / 2);
    const double y = b.size.height - kNumberBottomInset - height;
    speedupResultLabel_->setFrame(cg::RectMake(x, y, width, height));
    plusLabel_->setFrame(cg::RectMake(x - kPlusWidth, y, kPlusWidth, height));
    percentLabel_->setFrame(cg::RectMake(x + width, y, kPercentWidth, height / 2));
}

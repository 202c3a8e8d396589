#include "screens/home/TAVOSpeedIndicator.h"

#include <algorithm>
#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr const char* kArrowImage = "home_btn_allows";
constexpr const char* kValueFontName = "HelveticaNeue-Light";
constexpr double kValueFontSizeTall = 32;
constexpr double kValueFontSizeShort = 27;
constexpr double kSmallFontSize = 11;
constexpr double kBackgroundAlpha = 0.1;
constexpr double kColorChangeSeconds = 0.25;
// Between the number and its unit, and between the unit and the arrow.
constexpr double kGap = 4;
constexpr double kValueShift = 3;
constexpr double kUnitTopTall = 12;
constexpr double kUnitTopShort = 8;
// The separator between the halves.
constexpr double kSeparatorTop = 12.5;
constexpr double kSeparatorBottom = 37.5;
constexpr double kSeparatorAlpha = 0.2;
const ui::Color kInitialGrey = ui::Color::rgb255(51, 51, 51);

ui::LabelPtr smallLabel(const std::string& text) {
    auto label = ui::Label::create();
    label->setBackgroundColor(ui::Color::clearColor());
    label->setFont(ui::Font::systemFontOfSize(kSmallFontSize));
    label->setTextColor(kInitialGrey);
    label->setText(text);
    return label;
}

double textWidth(const ui::LabelPtr& label) { return label->font().sizeOfString(label->text()).width; }

}  // namespace

void TAVOSpeedIndicator::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::white(0, kBackgroundAlpha));

    Half avg = makeHalf("avg speed");
    avgIndicator_ = avg.icon;
    avgValueLabel_ = avg.value;
    avgUnit_ = avg.unit;
    avgText_ = avg.caption;
    Half top = makeHalf("top speed");
    topSpeedIndicator_ = top.icon;
    topSpeedValueLabel_ = top.value;
    topUnit_ = top.unit;
    topText_ = top.caption;
    setAvgSpeed(0);
    setTopSpeed(0);
    for (const Half& half : {avg, top}) {
        addSubview(half.icon);
        addSubview(half.value);
        addSubview(half.unit);
        addSubview(half.caption);
    }

    const cg::Rect b = bounds();
    avgSpeedBtn_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    avgSpeedBtn_->setBackgroundColor(ui::Color::clearColor());
    avgSpeedBtn_->setFrame(cg::RectMake(0, 0, b.size.width / 2, b.size.height));
    addSubview(avgSpeedBtn_);
    topSpeedBtn_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    topSpeedBtn_->setBackgroundColor(ui::Color::clearColor());
    topSpeedBtn_->setFrame(cg::RectMake(b.size.width / 2, 0, b.size.width / 2, b.size.height));
    addSubview(topSpeedBtn_);

    setLevel(1);
}

TAVOSpeedIndicator::Half TAVOSpeedIndicator::makeHalf(const std::string& captionKey) {
    Half half;
    half.icon = ui::ImageView::createWithImage(ui::Image::imageNamed(kArrowImage));
    half.icon->setContentMode(ui::ContentMode::Center);
    half.value = ui::Label::create();
    half.value->setBackgroundColor(ui::Color::clearColor());
    const double size = TAVOCommonUtility::is4InchScreen() ? kValueFontSizeTall : kValueFontSizeShort;
    half.value->setFont(ui::Font::fontWithName(kValueFontName, size).value_or(ui::Font::systemFontOfSize(size)));
    half.value->setTextColor(kInitialGrey);
    half.unit = smallLabel("");
    half.caption = smallLabel(TAVOLocalizedString(captionKey));
    return half;
}

void TAVOSpeedIndicator::setAvgSpeed(double bytesPerSecond) {
    avgSpeed_ = bytesPerSecond;
    showSpeed(avgHalf(), bytesPerSecond);
}

void TAVOSpeedIndicator::setTopSpeed(double bytesPerSecond) {
    topSpeed_ = bytesPerSecond;
    showSpeed(topHalf(), bytesPerSecond);
}

void TAVOSpeedIndicator::showSpeed(const Half& half, double bytesPerSecond) {
    if (!half.value) return;
    const std::string text = TAVOCommonUtility::convertSpeedToStandardValueWithBlankSpace(bytesPerSecond);
    const auto blank = text.find(' ');
    if (blank == std::string::npos || blank == 0 || blank + 1 >= text.size()) {
        half.value->setText("0");
        half.unit->setText("KB/s");
    } else {
        half.value->setText(text.substr(0, blank));
        half.unit->setText(text.substr(blank + 1));
    }
    setNeedsLayout();
}

void TAVOSpeedIndicator::resetValues() {
    setTopSpeed(0);
    setAvgSpeed(0);
}

ui::Color TAVOSpeedIndicator::textColorForLevel(int level) {
    switch (level) {
        case 3: return ui::Color::rgb255(245, 232, 159);
        case 4: return ui::Color::rgb255(241, 215, 153);
        case kBreakdownLevel: return ui::Color::rgb255(254, 188, 183);
        default: return ui::Color::rgb255(173, 241, 153);
    }
}

void TAVOSpeedIndicator::setLevel(int level) {
    level_ = level;
    if (level == kBreakdownLevel) resetValues();
    setTextColor(textColorForLevel(level));
}

void TAVOSpeedIndicator::setTextColor(const ui::Color& color) {
    textColor_ = color;
    const ui::LabelPtr labels[] = {avgValueLabel_, topSpeedValueLabel_, avgUnit_, topUnit_, avgText_, topText_};
    ui::ViewAnimation::transition(self<ui::View>(), kColorChangeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                  [&] {
                                      for (const auto& label : labels) label->setTextColor(color);
                                  });
}

void TAVOSpeedIndicator::layoutSubviews() {
    View::layoutSubviews();
    const double halfWidth = bounds().size.width / 2;
    layoutHalf(avgHalf(), 0, halfWidth);
    layoutHalf(topHalf(), halfWidth, halfWidth);
}

void TAVOSpeedIndicator::layoutHalf(const Half& half, double originX, double halfWidth) {
    const double height = bounds().size.height;
    const double margin = TAVOCommonUtility::is4InchScreen() ? kUnitTopTall : kUnitTopShort;
    const double valueWidth = textWidth(half.value);
    const double unitWidth = textWidth(half.unit);
    const double captionWidth = textWidth(half.caption);
    const double content = std::floor(std::max(unitWidth, captionWidth) + valueWidth + kGap + kGap);
    const double valueX = std::floor((halfWidth - content) / 2) - kValueShift;
    half.value->setFrame(cg::RectMake(originX + valueX, 0, valueWidth, height));
    const double textX = std::ceil(valueX + valueWidth + kGap);
    half.unit->setFrame(cg::RectMake(originX + textX, margin, unitWidth, std::ceil(height / 2 - margin)));
    half.caption->setFrame(
        cg::RectMake(originX + textX, std::floor(height / 2), captionWidth, std::floor(height / 2 - margin)));
    const cg::Size iconSize = half.icon->image() ? half.icon->image()->size() : cg::Size{};
    const double iconX = textX + std::max(unitWidth, captionWidth) + kGap;
    half.icon->setFrame(cg::RectMake(originX + iconX, (height - iconSize.height) / 2, iconSize.width, iconSize.height));
}

void TAVOSpeedIndicator::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const double x = std::ceil(bounds().size.width / 2) - 1;
    context->setLineWidth(1);
    context->setRGBStrokeColor(1, 1, 1, kSeparatorAlpha);
    context->beginPath();
    context->moveToPoint(x, kSeparatorTop);
    context->addLineToPoint(x, kSeparatorBottom);
    context->strokePath();
}

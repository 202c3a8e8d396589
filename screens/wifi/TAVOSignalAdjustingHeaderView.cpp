#include "screens/wifi/TAVOSignalAdjustingHeaderView.h"

#include <algorithm>
#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Font.h"

namespace {

constexpr double kWaveRadiusExtra = 10;
constexpr double kRingRadiusExtra = 14;
constexpr double kTitleHeight = 20;
constexpr double kTitleBottomTall = 28;
constexpr double kTitleBottomShort = 18;
constexpr double kTitleFontSize = 18;
constexpr double kRingAlpha = 0.1;

}  // namespace

std::optional<std::string> TAVOSignalAdjustingHeaderView::getIntroduceKey(int strength) {
    static const char* const keys[] = {"radio power most weak mode for title", "radio power weak mode for title",
                                       "radio power normal mode for title", "radio power strong mode for title",
                                       "radio power more strong mode for title"};
    if (strength < 0 || strength > 4) return std::nullopt;
    return std::string(keys[strength]);
}

void TAVOSignalAdjustingHeaderView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::rgb255(10, 167, 75));
    const double w = frame.size.width;
    const double h = frame.size.height;
    const cg::Point centre = cg::PointMake(w / 2, h / 2 + kCentreDrop);

    waveView_ = TAVORadioWaveView::create(cg::RectMake(0, kCentreDrop, w, h - kCentreDrop));
    waveView_->setCenter(centre);
    addSubview(waveView_);

    iconView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("home_xhtj_ic_house"));
    iconView_->setContentMode(ui::ContentMode::Center);
    iconView_->setCenter(centre);
    addSubview(iconView_);

    const double titleY = h - kTitleHeight - (TAVOCommonUtility::is4InchScreen() ? kTitleBottomTall : kTitleBottomShort);
    introduceLabel_ = ui::Label::create(cg::RectMake(0, titleY, w, kTitleHeight));
    introduceLabel_->setTextAlignment(ui::TextAlignment::Center);
    introduceLabel_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    introduceLabel_->setTextColor(ui::Color::whiteColor());
    introduceLabel_->setBackgroundColor(ui::Color::clearColor());
    addSubview(introduceLabel_);
    maxStrength_ = 5;
}

double TAVOSignalAdjustingHeaderView::iconHalfSide() const {
    const auto& image = iconView_->image();
    if (!image) return 0;
    return std::max(image->size().width / 2, image->size().height / 2);
}

void TAVOSignalAdjustingHeaderView::startAnimation() {
    waveView_->startAnimation(kWaveCount, static_cast<int>(iconHalfSide() + kWaveRadiusExtra), kWaveInterval);
}

void TAVOSignalAdjustingHeaderView::endAnimation() { waveView_->stopAnimation(); }

void TAVOSignalAdjustingHeaderView::setStrength(int strength) {
    if (!waveView_->isAnimating()) startAnimation();
    waveView_->setCurrentWavsShow(strength);
    const auto key = getIntroduceKey(strength);
    introduceLabel_->setText(key ? TAVOLocalizedString(*key) : std::string());
}

void TAVOSignalAdjustingHeaderView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const cg::Point centre = cg::PointMake(bounds().size.width / 2, bounds().size.height / 2 + kCentreDrop);
    context->setRGBStrokeColor(1, 1, 1, kRingAlpha);
    context->setLineWidth(1);
    const double r = iconHalfSide() + kRingRadiusExtra;
    for (int ring = 0; ring < kRingCount; ++ring) {
        const double radius = r + ring * kRingSpacing;
        context->strokeEllipseInRect(cg::RectMake(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius));
    }
}

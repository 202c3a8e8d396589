#include "widgets/TAVONewDeviceJoinIndicator.h"

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "platform/foundation/Format.h"

namespace {

constexpr double kIconY = 54;
constexpr double kIconHeight = 72;
constexpr double kTitleGap = 18;
constexpr double kTitleHeight = 20;
constexpr double kTitleFontSize = 18;
constexpr const char* kStatusImage = "green_status_mywifi";
constexpr const char* kManyDevicesImage = "icon_multi_join_reminder_mywifi";
constexpr const char* kOneDeviceKey = "one device requests to join";
constexpr const char* kManyDevicesKey = "multi-device requests to join";

}  // namespace

void TAVONewDeviceJoinIndicator::initWithFrame(const cg::Rect& frame) {
    TAVOCircleView::initWithFrame(frame);
    const double w = bgView()->frame().size.width;

    iconErrorIndicator_ = ControlFactory::createImageView("", ui::ContentMode::Center);
    iconErrorIndicator_->setFrame(cg::RectMake(0, kIconY, w, kIconHeight));
    bgView()->addSubview(iconErrorIndicator_);

    titleLabel_ = ControlFactory::createLabel("", ui::Color::rgba(0.4, 0.4, 0.4, 1),
                                              ui::Font::boldSystemFontOfSize(kTitleFontSize),
                                              ui::Color::clearColor(), ui::TextAlignment::Center);
    titleLabel_->setFrame(cg::RectMake(0, cg::RectGetMaxY(iconErrorIndicator_->frame()) + kTitleGap, w, kTitleHeight));
    bgView()->addSubview(titleLabel_);

    statusCircleView()->setImage(ui::Image::imageNamed(kStatusImage));
}

void TAVONewDeviceJoinIndicator::setDeviceJoin(int n, int type) {
    if (n == 0) {
        count_ = 0;
        return;
    }
    if (n > 0) count_ += n;
    if (count_ == 1) {
        iconErrorIndicator_->setImage(TAVOImageGetter::getDeviceIconByType(type));
        titleLabel_->setText(TAVOLocalizedString(kOneDeviceKey));
    } else if (count_ >= 2) {
        iconErrorIndicator_->setImage(ui::Image::imageNamed(kManyDevicesImage));
        titleLabel_->setText(ns::format("%d%@", count_, TAVOLocalizedString(kManyDevicesKey)));
    }
}

#include "widgets/TAVODevicesCountIndicator.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"

namespace {

constexpr double kIconX = 49;
constexpr double kIconGap = 9;
constexpr const char* kIconImage = "icon_devices_indicator";
constexpr const char* kCountKey = "currently has %d devices in router network";

}  // namespace

void TAVODevicesCountIndicator::initWithFrame(const cg::Rect& frame) {
    TAVOCellIndicator::initWithFrame(frame);
    const double h = frame.size.height;
    auto image = ui::Image::imageNamed(kIconImage);
    auto icon = ui::ImageView::createWithImage(image);
    icon->setContentMode(ui::ContentMode::Center);
    icon->setFrame(cg::RectMake(kIconX, 0, image ? image->size().width : 0, h));
    addSubview(icon);

    const double iconRight = cg::RectGetMaxX(icon->frame());
    const double arrowX = appender()->frame().origin.x;
    content()->setFrame(cg::RectMake(std::ceil(iconRight) + kIconGap, 0,
                                     std::ceil(arrowX - (iconRight + kIconGap) - kIconGap), h));
    setDevicesCount(0);
}

void TAVODevicesCountIndicator::setDevicesCount(int count) {
    content()->setText(ns::format(TAVOLocalizedString(kCountKey), count));
}

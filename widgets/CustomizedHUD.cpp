#include "widgets/CustomizedHUD.h"

#include <cmath>

#include "platform/ui/ImageView.h"
#include "widgets/CircleView.h"

namespace {

ui::ViewPtr iconView(const char* name) {
    auto icon = ui::ImageView::create(
        cg::RectMake(0, 0, CustomizedHUD::kIconWidth, CustomizedHUD::kIconHeight));
    icon->setImage(ui::Image::imageNamed(name));
    icon->setContentMode(ui::ContentMode::Top);
    return icon;
}

ui::ViewPtr spinningCircle() {
    auto circle = CircleView::create(cg::RectMake(0, 0, CustomizedHUD::kIconWidth, CustomizedHUD::kIconHeight));
    circle->circleImageView()->setImage(ui::Image::imageNamed(CustomizedHUD::kLoadingIconName));
    circle->startAnimation();
    return circle;
}

}  // namespace

std::shared_ptr<CustomizedHUD> CustomizedHUD::showHUDAddedTo(const ui::ViewPtr& view, int type, int postion,
                                                             bool animated) {
    if (!view) return nullptr;
    auto hud = createWithView<CustomizedHUD>(view);
    view->addSubview(hud);
    hud->setPostion(postion);
    hud->show(animated);
    hud->setLabelFont(ui::Font::systemFontOfSize(kFontSize));
    hud->setDetailsLabelFont(ui::Font::systemFontOfSize(kFontSize));
    hud->setColor(ui::Color::whiteColor());
    hud->applyType(type);
    return hud;
}

std::shared_ptr<CustomizedHUD> CustomizedHUD::showHUDAddedTo(const ui::ViewPtr& view, int type, bool) {
    return showHUDAddedTo(view, type, 0, true);
}

bool CustomizedHUD::hideHUDForView(const ui::ViewPtr& view, bool animated) {
    return PGProgressHUD::hideHUDForView<CustomizedHUD>(view, animated);
}

void CustomizedHUD::applyType(int type) {
    type_ = type;
    switch (type) {
    case CustomizedHUDTypeInfo:
        setCustomView(iconView(kInfoIconName));
        setMode(PGProgressHUDModeCustomView);
        break;
    case CustomizedHUDTypeWarning:
        setCustomView(iconView(kWarningIconName));
        setMode(PGProgressHUDModeCustomView);
        break;
    case CustomizedHUDTypeSpinningCircle:
        setCustomView(spinningCircle());
        setMode(PGProgressHUDModeCustomView);
        break;
    case CustomizedHUDTypePlainIndicator:
        setMode(PGProgressHUDModeIndeterminate);
        setDefaultIndicatorColor(ui::Color::grayColor());
        setColor(ui::Color::clearColor());
        setDimBackground(false);
        break;
    case CustomizedHUDTypeDarkWarning:
    case CustomizedHUDTypeDarkInfo:
        setColor(ui::Color::blackColor().colorWithAlphaComponent(kDarkBoxAlpha));
        setDetailsLabelColor(ui::Color::whiteColor());
        setCustomView(iconView(type == CustomizedHUDTypeDarkWarning ? kWarningIconName : kInfoIconName));
        setMode(PGProgressHUDModeCustomView);
        break;
    default:
        break;
    }
}

cg::Rect CustomizedHUD::getBoxRect(const cg::Rect& bounds) const {
    if (postion_ != 1) return PGProgressHUD::getBoxRect(bounds);
    const cg::Size box = size();
    return cg::RectMake(std::round((bounds.size.width - box.width) / 2) + xOffset(),
                        std::round(bounds.size.height - box.height - kBottomGap) + yOffset(), box.width,
                        box.height);
}

#include "screens/wifi/TAVOUnfamiliarCell.h"

#include "core/app/TAVOLocalizedString.h"

namespace {

constexpr double kTitleFontSize = 15;
// The name ends before the two buttons.
constexpr double kNameEnd = 204;

ui::ButtonPtr makeButton(const std::string& titleKey, const ui::Color& background) {
    auto button = ui::Button::create();
    button->setBackgroundColor(background);
    button->setTitle(TAVOLocalizedString(titleKey), ui::ControlStateNormal);
    button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    button->titleLabel()->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    return button;
}

}  // namespace

void TAVOUnfamiliarCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TAVODeviceItemCell::initWithStyle(style, reuseIdentifier);
    // A new device has no swipe buttons for the arrow to open.
    expendIndicator()->setHidden(true);
    accessBtn_ = makeButton("allow the connection", ui::Color::rgb255(76, 200, 31));
    forbiddenBtn_ = makeButton("add to black list", ui::Color::rgb255(85, 85, 85));
    auto self = this->self<TAVOUnfamiliarCell>();
    for (const auto& button : {accessBtn_, forbiddenBtn_}) {
        button->addTarget(self, &TAVOUnfamiliarCell::controlBtnClick, "controlBtnClick", ui::ControlEventTouchUpInside);
        contentView()->addSubview(button);
    }
}

void TAVOUnfamiliarCell::layoutSubviews() {
    TAVODeviceItemCell::layoutSubviews();
    const cg::Rect b = contentView()->bounds();
    accessBtn_->setFrame(cg::RectMake(b.size.width - 2 * kButtonWidth, 0, kButtonWidth, b.size.height));
    forbiddenBtn_->setFrame(cg::RectMake(b.size.width - kButtonWidth, 0, kButtonWidth, b.size.height));
}

double TAVOUnfamiliarCell::nameRightLimit() const { return kNameEnd; }

void TAVOUnfamiliarCell::controlBtnClick(ui::Control& button) {
    auto d = clickDelegate();
    if (!d) return;
    d->unfamiliarCellDidSelectButtonAtIndex(*this, &button == accessBtn_.get() ? kAccessIndex : kForbiddenIndex);
}

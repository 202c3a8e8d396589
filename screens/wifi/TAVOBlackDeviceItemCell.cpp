#include "screens/wifi/TAVOBlackDeviceItemCell.h"

#include <cmath>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"

namespace {

constexpr double kIconX = 13;
constexpr double kIconSide = 36;
constexpr double kButtonWidth = 60;
constexpr double kButtonHeight = 30;
constexpr double kRightInset = 13;
constexpr double kGap = 13;
constexpr double kFontSize = 17;
constexpr long kButtonCap = 5;

}  // namespace

void TAVOBlackDeviceItemCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    ui::TableViewCell::initWithStyle(style, reuseIdentifier);
    selectionStyle = ui::TableViewCellSelectionStyle::None;
    setBackgroundColor(ui::Color::clearColor());

    iconView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("device_icon_phone"));
    name_ = ui::Label::create();
    name_->setFont(ui::Font::systemFontOfSize(kFontSize));
    name_->setTextColor(ui::Color::white(0.2));
    name_->setBackgroundColor(ui::Color::clearColor());
    name_->setLineBreakMode(ui::LineBreakMode::TruncatingTail);

    restoreButton_ = ui::Button::create();
    auto background = ui::Image::imageNamed("home_visitor_btn01");
    restoreButton_->setBackgroundImage(background ? background->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap)
                                                  : nullptr,
                                       ui::ControlStateNormal);
    restoreButton_->setTitle(TAVOLocalizedString("restore the connection"), ui::ControlStateNormal);
    restoreButton_->setTitleColor(ui::Color::white(0.2), ui::ControlStateNormal);
    restoreButton_->titleLabel()->setFont(ui::Font::systemFontOfSize(kFontSize));
    std::weak_ptr<TAVOBlackDeviceItemCell> weak = self<TAVOBlackDeviceItemCell>();
    restoreButton_->addTarget(self<TAVOBlackDeviceItemCell>(), "restoreButtonClick", [weak](ui::Control&) {
        if (auto cell = weak.lock()) cell->restoreButtonClick();
    }, ui::ControlEventTouchUpInside);

    for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{iconView_, name_, restoreButton_})
        contentView()->addSubview(v);
}

void TAVOBlackDeviceItemCell::layoutSubviews() {
    ui::TableViewCell::layoutSubviews();
    const cg::Rect b = contentView()->bounds();
    iconView_->setFrame(cg::RectMake(kIconX, std::ceil((b.size.height - kIconSide) / 2), kIconSide, kIconSide));
    const double buttonX = b.size.width - kRightInset - kButtonWidth;
    restoreButton_->setFrame(
        cg::RectMake(buttonX, std::ceil((b.size.height - kButtonHeight) / 2), kButtonWidth, kButtonHeight));
    const double nameX = kIconX + kIconSide + kGap;
    name_->setFrame(cg::RectMake(nameX, 0, std::max(0.0, buttonX - kGap - nameX), b.size.height));
}

void TAVOBlackDeviceItemCell::setDevice(const TAVORouterJoiningDevicePtr& device) {
    if (!device) return;
    device_ = device;
    name_->setText(TAVOImageGetter::getShowNameFromDevice(
        {device->alias, device->end_type_id, device->end_type, device->end_name}));
    iconView_->setImage(device->is_wifi == 1 ? TAVOImageGetter::getDeviceModelIconById(device->end_type_id)
                                             : ui::Image::imageNamed("device-list_pc"));
}

void TAVOBlackDeviceItemCell::restoreButtonClick() {
    if (auto d = delegate()) d->restoreButtonClick(*this);
}

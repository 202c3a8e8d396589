#include "screens/wifi/TAVOSpeedupDeviceTableViewCell.h"

#include <cmath>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"

namespace {
constexpr double kIconX = 13;
constexpr double kIconSide = 39;
constexpr double kButtonWidth = 54;
constexpr double kButtonHeight = 30;
constexpr double kButtonRight = 13;
constexpr double kNameGap = 13;
constexpr double kNameToButton = 10;
constexpr long kButtonCap = 5;
}  // namespace

void TAVOSpeedupDeviceTableViewCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    ui::TableViewCell::initWithStyle(style, reuseIdentifier);
    selectionStyle = ui::TableViewCellSelectionStyle::None;
    iconView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("device-list_phone"));
    adminView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("device-list_admin"));
    adminView_->setHidden(true);
    actionButton_ = TAVOSpeedupButton::create();
    auto background = ui::Image::imageNamed("home_visitor_btn01");
    actionButton_->setBackgroundImage(
        background ? background->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap) : nullptr, ui::ControlStateNormal);
    actionButton_->setTitle(TAVOLocalizedString("speed up"), ui::ControlStateNormal);
    actionButton_->setTitleColor(ui::Color::white(0.2), ui::ControlStateNormal);
    actionButton_->titleLabel()->setFont(ui::Font::systemFontOfSize(13));
    std::weak_ptr<TAVOSpeedupDeviceTableViewCell> weak = self<TAVOSpeedupDeviceTableViewCell>();
    actionButton_->addTarget(self<TAVOSpeedupDeviceTableViewCell>(), "actionButtonIsClicked", [weak](ui::Control&) {
        if (auto cell = weak.lock()) cell->actionButtonIsClicked();
    }, ui::ControlEventTouchUpInside);
    name_ = ui::Label::create();
    name_->setFont(ui::Font::systemFontOfSize(16));
    name_->setTextColor(ui::Color::white(0.2));
    name_->setBackgroundColor(ui::Color::clearColor());
    for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{iconView_, adminView_, name_, actionButton_})
        contentView()->addSubview(v);
}

void TAVOSpeedupDeviceTableViewCell::layoutSubviews() {
    ui::TableViewCell::layoutSubviews();
    const cg::Rect b = contentView()->bounds();
    const double iconY = std::ceil((b.size.height - kIconSide) / 2);
    iconView_->setFrame(cg::RectMake(kIconX, iconY, kIconSide, kIconSide));
    const cg::Size badge = adminView_->image() ? adminView_->image()->size() : cg::Size{14, 14};
    adminView_->setFrame(cg::RectMake(kIconX + kIconSide - badge.width, iconY + kIconSide - badge.height, badge.width,
                                      badge.height));
    const double buttonX = b.size.width - kButtonRight - kButtonWidth;
    actionButton_->setFrame(
        cg::RectMake(buttonX, std::ceil((b.size.height - kButtonHeight) / 2), kButtonWidth, kButtonHeight));
    const double nameX = kIconX + kIconSide + kNameGap;
    name_->setFrame(cg::RectMake(nameX, 0, std::max(0.0, buttonX - kNameToButton - nameX), b.size.height));
}

void TAVOSpeedupDeviceTableViewCell::setDevice(const TAVORouterJoiningDevicePtr& device) {
    device_ = device;
    if (!device) return;
    name_->setText(
        TAVOImageGetter::getShowNameFromDevice({device->alias, device->end_type_id, device->end_type, device->end_name}));
    iconView_->setImage(device->is_wifi == 1 ? TAVOImageGetter::getDeviceModelIconById(device->end_type_id)
                                             : ui::Image::imageNamed("device-list_pc"));
    actionButton_->setMode(device->isInSpeedup ? TAVOSpeedupButton::ModeAnimating : TAVOSpeedupButton::ModeIdle);
}

void TAVOSpeedupDeviceTableViewCell::setIsLoading(bool loading) {
    isLoading_ = loading;
    actionButton_->setTitle(loading ? "" : TAVOLocalizedString("speed up"), ui::ControlStateNormal);
    actionButton_->setMode(loading ? TAVOSpeedupButton::ModeBusy : TAVOSpeedupButton::ModeIdle);
}

void TAVOSpeedupDeviceTableViewCell::setIsLocal(bool local) {
    isLocal_ = local;
    adminView_->setHidden(!local);
}

void TAVOSpeedupDeviceTableViewCell::actionButtonIsClicked() {
    if (auto d = delegate()) d->buttonIsClick(*this);
}

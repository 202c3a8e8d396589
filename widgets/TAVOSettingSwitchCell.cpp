#include "widgets/TAVOSettingSwitchCell.h"

#include "platform/ui/Font.h"

namespace {

constexpr double kIconX = 13;
constexpr double kSwitchRightMargin = 13;
constexpr double kTitleFontSize = 16;
constexpr double kTitleGrey = 0.2;

}  // namespace

void TAVOSettingSwitchCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    iconImage_ = ui::ImageView::create();

    settingTitle_ = ui::Label::create();
    settingTitle_->setTextAlignment(ui::TextAlignment::Left);
    settingTitle_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    settingTitle_->setTextColor(ui::Color::white(kTitleGrey));
    settingTitle_->setBackgroundColor(ui::Color::clearColor());

    // A zero frame gives the switch its own size.
    switchControl_ = ToggleSwitch::create();
    switchControl_->sizeToFit();
    switchControl_->addTarget(self<TAVOSettingSwitchCell>(), &TAVOSettingSwitchCell::onSwicthValueChanged,
                              "onSwicthValueChanged", ui::ControlEventValueChanged);

    contentView()->addSubview(iconImage_);
    contentView()->addSubview(settingTitle_);
    contentView()->addSubview(switchControl_);
}

void TAVOSettingSwitchCell::layoutSubviews() {
    TableViewCell::layoutSubviews();
    const cg::Size content = contentView()->bounds().size;

    const cg::Size icon = manualLayout_ || !iconImage_->image() ? iconImage_->frame().size : iconImage_->image()->size();
    iconImage_->setFrame(cg::RectMake(kIconX, (content.height - icon.height) / 2, icon.width, icon.height));

    settingTitle_->setFrame(cg::RectMake(kIconX + icon.width + spaceBetween_, 0, content.width, content.height));

    const cg::Size knob = switchControl_->frame().size;
    switchControl_->setFrame(
        cg::RectMake(content.width - kSwitchRightMargin - knob.width, (content.height - knob.height) / 2, knob.width, knob.height));
}

void TAVOSettingSwitchCell::onSwicthValueChanged() {
    if (auto delegate = delegate_.lock()) delegate->onSwithChanged(*switchControl_, *this);
}

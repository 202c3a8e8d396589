#include "screens/wifi/TAVODatePickerViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Font.h"

namespace {

constexpr double kTitleFontSize = 18;
constexpr double kButtonFontSize = 20;

}  // namespace

std::shared_ptr<TAVODatePickerViewController> TAVODatePickerViewController::create() {
    auto picker = make<TAVODatePickerViewController>();
    picker->view();
    return picker;
}

void TAVODatePickerViewController::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::whiteColor());
    view()->setAlpha(1);
    const cg::Rect bounds = view()->bounds();

    titleLable_ = ui::Label::create(cg::RectMake(bounds.origin.x, kTitleY, bounds.size.width, kTitleHeight));
    titleLable_->setTextColor(ui::Color::rgb255(51, 51, 51));
    titleLable_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    titleLable_->setTextAlignment(ui::TextAlignment::Center);
    titleLable_->setBackgroundColor(ui::Color::clearColor());
    titleLable_->setText(TAVOLocalizedString("设置WiFi开始时间"));
    view()->addSubview(titleLable_);

    const double pickerY = kTitleY + kTitleHeight;
    picker_ = ui::DatePicker::create(cg::RectMake(0, pickerY, bounds.size.width, kPickerHeight));
    picker_->datePickerMode = ui::DatePickerMode::Time;
    view()->addSubview(picker_);

    confirmButton_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    confirmButton_->setFrame(cg::RectMake(0, pickerY + kPickerHeight, bounds.size.width, kButtonHeight));
    confirmButton_->setTitle(TAVOLocalizedString("sure"), ui::ControlStateNormal);
    confirmButton_->setTitleColor(ui::Color::rgb255(10, 167, 75), ui::ControlStateNormal);
    confirmButton_->titleLabel()->setFont(ui::Font::systemFontOfSize(kButtonFontSize));
    confirmButton_->addTarget(self<TAVODatePickerViewController>(), &TAVODatePickerViewController::confirm, "confirm",
                              ui::ControlEventTouchUpInside);
    view()->addSubview(confirmButton_);
}

void TAVODatePickerViewController::setIsOpen(bool open) {
    isOpen_ = open;
    titleLable_->setText(TAVOLocalizedString(open ? "setting wifi start time" : "setting wifi close time"));
}

void TAVODatePickerViewController::selectTime() {
    if (auto d = delegate()) d->dateIsSet(picker_->date(), *this);
}

// The content of the time popover: a title naming which Wi-Fi time is being
// chosen, a time wheel and a confirm button. Confirming tells the delegate
// the time; the caller sends it and closes the popover itself once the
// router has taken it, so the picker stays up meanwhile (and after a
// refusal).
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "screens/wifi/TAVODatePickerViewControllerDelegate.h"
#include "widgets/ContentViewControllerProtocol.h"

class TAVODatePickerViewController : public ui::ViewController, public ContentViewControllerProtocol {
public:
    using ui::ViewController::ViewController;
    // The view is built at once, so that the time and title can be set
    // before the popover shows it.
    static std::shared_ptr<TAVODatePickerViewController> create();

    static constexpr double kTitleY = 10;
    static constexpr double kTitleHeight = 31;
    static constexpr double kPickerHeight = 220;
    static constexpr double kButtonHeight = 43;

    void viewDidLoad() override;

    std::shared_ptr<TAVODatePickerViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVODatePickerViewControllerDelegate>& d) { delegate_ = d; }
    std::shared_ptr<PopoverControllerProtocol> popoverDelegate() const override { return popoverDelegate_.lock(); }
    void setPopoverDelegate(const std::shared_ptr<PopoverControllerProtocol>& d) override { popoverDelegate_ = d; }

    bool isOpen() const { return isOpen_; }
    // YES: the on time is chosen; the title follows.
    void setIsOpen(bool open);
    ns::Date date() const { return picker_->date(); }
    void setDate(const ns::Date& date) { picker_->setDate(date); }

    const std::shared_ptr<ui::DatePicker>& picker() const { return picker_; }
    const ui::LabelPtr& titleLable() const { return titleLable_; }
    const ui::ButtonPtr& confirmButton() const { return confirmButton_; }

    void confirm() { selectTime(); }
    void selectTime();

private:
    std::weak_ptr<TAVODatePickerViewControllerDelegate> delegate_;
    std::weak_ptr<PopoverControllerProtocol> popoverDelegate_;
    bool isOpen_ = false;
    std::shared_ptr<ui::DatePicker> picker_;
    ui::LabelPtr titleLable_;
    ui::ButtonPtr confirmButton_;
};

using TAVODatePickerViewControllerPtr = std::shared_ptr<TAVODatePickerViewController>;

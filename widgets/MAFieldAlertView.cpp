#include "widgets/MAFieldAlertView.h"

#include "platform/ui/ViewAnimation.h"

void MAFieldAlertView::initWithTitle(const std::string& title, const std::string& message) {
    MAAlertView::initWithTitle(title, message);

    // The alert lays its custom view out to the content width; the field
    // follows the background through its autoresizing.
    fieldBackground_ = ui::ImageView::create(cg::RectMake(0, 0, kFieldViewWidth, kFieldViewHeight));
    auto background = ui::Image::imageNamed("bg_reg_input");
    fieldBackground_->setImage(background ? background->stretchableImageWithLeftCapWidth(kBackgroundCap, kBackgroundCap)
                                          : nullptr);
    fieldBackground_->setUserInteractionEnabled(true);
    fieldBackground_->setBackgroundColor(ui::Color::clearColor());

    field_ = ui::TextField::create(
        cg::RectMake(kFieldInsetX, kFieldInsetY, kFieldViewWidth - kFieldInsetX, kFieldHeight));
    field_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    field_->setTextColor(ui::Color::white(kFieldTextWhite));
    field_->clearButtonMode = ui::TextFieldViewMode::WhileEditing;
    field_->setDelegate(self<MAFieldAlertView>());
    field_->setContentVerticalAlignment(ui::ControlContentVerticalAlignment::Center);
    field_->setBackgroundColor(ui::Color::clearColor());
    fieldBackground_->addSubview(field_);

    setCustomizedViewInsteadOfMsgLabel(fieldBackground_);
}

void MAFieldAlertView::addTextButton(const std::string& title, int type, MAAlertTextItem::TextAction action) {
    items().push_back(MAAlertTextItem::create(title, type, std::move(action)));
}

void MAFieldAlertView::buttonAction(ui::Button& button) {
    // A tap while the alert leaves runs nothing.
    if (!isVisible()) return;
    auto self = this->self<MAFieldAlertView>();
    // Stays set while the alert stays up after the tap: an alert shown in
    // the meantime queues behind this one.
    setAnimating(true);
    std::string answer;
    const long index = button.tag();
    if (index >= 0 && static_cast<std::size_t>(index) < items().size()) {
        auto item = items()[static_cast<std::size_t>(index)];
        if (auto* textItem = dynamic_cast<MAAlertTextItem*>(item.get()); textItem && textItem->textAction)
            answer = textItem->textAction(self);
        else if (item->action)
            item->action(self);
    }
    handlerAnswered(answer);
}

bool MAFieldAlertView::textFieldShouldBeginEditing(ui::TextField&) {
    setLifted(true);
    return true;
}

bool MAFieldAlertView::textFieldShouldEndEditing(ui::TextField&) {
    setLifted(false);
    return true;
}

void MAFieldAlertView::setLifted(bool lifted) {
    if (lifted == lifted_) return;
    lifted_ = lifted;
    auto frame = this->frame();
    frame.origin.y += lifted ? -kKeyboardLift : kKeyboardLift;
    std::weak_ptr<MAFieldAlertView> weak = self<MAFieldAlertView>();
    ui::ViewAnimation::animate(kLiftDuration, [weak, frame] {
        if (auto alert = weak.lock()) alert->setFrame(frame);
    });
}

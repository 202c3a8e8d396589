#include "widgets/MAPasswordAlertView.h"

#include "core/app/TAVOLocalizedString.h"

std::shared_ptr<MAPasswordAlertView> MAPasswordAlertView::create(const std::string& title,
                                                                 const std::string& message) {
    return makeWithTitle<MAPasswordAlertView>(title, message);
}

void MAPasswordAlertView::initWithTitle(const std::string& title, const std::string& message) {
    MAFieldAlertView::initWithTitle(title, message);
    textField()->setSecureTextEntry(true);
    textField()->setPlaceholder(TAVOLocalizedString("placeholder for input password"));
}

void MAPasswordAlertView::addButtonWithTitle(const std::string& title, int type, Handler handler) {
    MAAlertTextItem::TextAction action;
    if (handler)
        action = [handler = std::move(handler)](const MAAlertViewPtr& alert) {
            return handler(std::static_pointer_cast<MAPasswordAlertView>(alert));
        };
    addTextButton(title, type, std::move(action));
}

void MAPasswordAlertView::showErrorMsg(const std::string& message) {
    const auto& field = textField();
    field->setTextColor(errorTextColor());
    field->setText(message);
    field->setSecureTextEntry(false);
    showErrorInfo_ = true;
}

bool MAPasswordAlertView::textFieldShouldBeginEditing(ui::TextField& field) {
    if (showErrorInfo_) {
        field.setText("");
        field.setTextColor(ui::Color::white(kFieldTextWhite));
        showErrorInfo_ = false;
        field.setSecureTextEntry(true);
    }
    return MAFieldAlertView::textFieldShouldBeginEditing(field);
}

void MAPasswordAlertView::handlerAnswered(const std::string& answer) {
    if (!answer.empty()) showErrorMsg(answer);
    // The alert stays up: the screen dismisses it when it takes the password.
    textField()->resignFirstResponder();
}
